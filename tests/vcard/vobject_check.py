#!/usr/bin/env python3
"""Checks that python3-vobject, a vCard parser of its own, accepts the 3.0
files xls2vcf writes and reads every name, phone, e-mail and address back
intact, accents and other scripts included.

Usage: vobject_check.py XLS2VCF CONTACTS.json WORKDIR
Exits 0 when every value matches, 1 on a mismatch, 77 (skipped) when
vobject is not installed.
"""
import json
import os
import subprocess
import sys

try:
    import vobject
except ImportError:
    print("python3-vobject is not installed: skipped")
    sys.exit(77)

PHONE_WORDS = {"ptText": "TEXT", "ptVoice": "VOICE", "ptFax": "FAX", "ptCell": "CELL",
               "ptVideo": "VIDEO", "ptPager": "PAGER", "ptTextPhone": "TEXTPHONE"}
FIELD_WORDS = {"ftHome": "HOME", "ftWork": "WORK", "ftOther": None}
ADDRESS_FIELDS = [("POBox", "box"), ("Number", "extended"), ("Street", "street"), ("City", "city"),
                  ("Region", "region"), ("PostCode", "code"), ("Country", "country")]
NAME_FIELDS = [("LastName", "family"), ("FirstName", "given"), ("MiddleName", "additional"),
               ("NamePrefix", "prefix"), ("NameSuffix", "suffix")]

failures = []


def text(value):
    """vCard 3.0 reads a structured component as a comma-separated list."""
    return ",".join(value) if isinstance(value, list) else value


def expect(where, got, want):
    if got != want:
        failures.append(f"{where}: got {got!r}, want {want!r}")


def params(line):
    return {p.upper() for values in line.params.values() for p in values}


def check_contact(index, want, card):
    where = f"contact {index}"
    for key, attr in NAME_FIELDS:
        expect(f"{where} N.{attr}", text(getattr(card.n.value, attr)), want.get(key, ""))
    full = want.get("FullName") or (want.get("FirstName", "") + " " + want.get("LastName", ""))
    expect(f"{where} FN", card.fn.value, full)

    phones = card.contents.get("tel", [])
    expect(f"{where} phone count", len(phones), len(want.get("PhoneNumbers", [])))
    for i, (line, phone) in enumerate(zip(phones, want.get("PhoneNumbers", []))):
        expect(f"{where} TEL {i}", line.value, phone.get("PhoneNumber", ""))
        types = {PHONE_WORDS[t] for t in phone.get("PhoneType", [])}
        if phone.get("Preferred"):
            types.add("PREF")
        expect(f"{where} TEL {i} types", params(line), types)

    emails = card.contents.get("email", [])
    expect(f"{where} e-mail count", len(emails), len(want.get("Emails", [])))
    for i, (line, email) in enumerate(zip(emails, want.get("Emails", []))):
        expect(f"{where} EMAIL {i}", line.value, email.get("EmailAddress", ""))
        types = {"INTERNET"}
        word = FIELD_WORDS[email.get("EmailType", "ftHome")]
        if word:
            types.add(word)
        if email.get("Preferred"):
            types.add("PREF")
        expect(f"{where} EMAIL {i} types", params(line) - {""}, types)

    addresses = card.contents.get("adr", [])
    expect(f"{where} address count", len(addresses), len(want.get("Addresses", [])))
    for i, (line, address) in enumerate(zip(addresses, want.get("Addresses", []))):
        for key, attr in ADDRESS_FIELDS:
            expect(f"{where} ADR {i} {attr}", text(getattr(line.value, attr)), address.get(key, ""))
        word = FIELD_WORDS[address.get("AddressType", "ftHome")]
        expect(f"{where} ADR {i} type", word in params(line) if word else True, True)

    if "Company" in want:
        expect(f"{where} ORG", ",".join(card.org.value), want["Company"])
    if "JobTitle" in want:
        expect(f"{where} TITLE", card.title.value, want["JobTitle"])


def main():
    xls2vcf, contacts_json, workdir = sys.argv[1:4]
    os.makedirs(workdir, exist_ok=True)
    out = os.path.join(workdir, "vobject_check.vcf")
    subprocess.run([xls2vcf, "write", contacts_json, "-o", out], check=True)
    with open(contacts_json, encoding="utf-8") as f:
        wanted = json.load(f)["vContacts"]
    with open(out, encoding="utf-8", newline="") as f:
        cards = list(vobject.readComponents(f.read()))
    expect("contact count", len(cards), len(wanted))
    for index, (want, card) in enumerate(zip(wanted, cards)):
        expect(f"contact {index} VERSION", card.version.value, "3.0")
        check_contact(index, want, card)
    for failure in failures:
        print(failure)
    print(f"{len(cards)} contacts checked with vobject: {len(failures)} mismatches")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
