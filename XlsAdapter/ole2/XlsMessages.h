// The spreadsheet reader's message table: the texts its failures carry,
// printf-style placeholders filled with tabulon::Printf.
#pragma once

namespace tabulon::XlsMessages {

// The file name is always empty: the reader never knows it.
inline constexpr char FileInvalid[] = "The file \"%s\" is invalid";
inline constexpr char ExcelFileInvalid[] = "Error reading Excel records. File invalid";
inline constexpr char EndOfStream[] = "End of stream reached with %d bytes left to read";
inline constexpr char PasswordProtected[] = "File is password protected";
inline constexpr char InvalidExcelVersion[] =
    "Template file is saved with an invalid Excel version";
inline constexpr char InvalidRecord[] = "Record with ID 0x%x is invalid";
inline constexpr char MoreThanOneContinue[] =
    "Trying to add more than one CONTINUE record to the same record";
inline constexpr char ErrorReadingRecord[] = "Error reading record";
inline constexpr char InvalidRow[] = "Invalid Row (%d)";
inline constexpr char InvalidColumn[] = "Invalid Column (%d)";
inline constexpr char IndexOutOfRange[] =
    "The index \"%d\" of the property \"%s\" is not in the range %d-%d";
inline constexpr char SheetNameExists[] = "Sheet name already exists: %s";
inline constexpr char InvalidCondFmt[] = "Invalid conditional format record";
inline constexpr char MissingRowRecord[] = "Missing ROW Record for row %d";

}  // namespace tabulon::XlsMessages
