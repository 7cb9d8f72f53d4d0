// The base of every BIFF record: the record keeps the bytes it was read from
// and decodes fields from them on demand, so that records nothing interprets
// are carried along unchanged. A record may be continued by a chain of
// CONTINUE records, which it owns.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tabulon {

class TContinueRecord;

class TBaseRecord {
 public:
  // The record takes the data block. Subclasses check or decode fields here.
  TBaseRecord(uint16_t aId, std::vector<uint8_t> aData);
  // Releases the CONTINUE chain one link at a time: a chain may be long.
  virtual ~TBaseRecord();
  TBaseRecord(const TBaseRecord&) = delete;
  TBaseRecord& operator=(const TBaseRecord&) = delete;

  uint16_t Id() const { return FId; }
  const std::vector<uint8_t>& Data() const { return FData; }
  uint16_t DataSize() const { return static_cast<uint16_t>(FData.size()); }
  TContinueRecord* Continue() const { return FContinue.get(); }

  // Fails with "Trying to add more than one CONTINUE record to the same
  // record" when the record is already continued.
  void AddContinue(std::unique_ptr<TContinueRecord> aContinue);
  // Takes the CONTINUE chain away from the record.
  std::unique_ptr<TContinueRecord> DetachContinue() { return std::move(FContinue); }

  // Little-endian fields of the data; a field that does not lie wholly
  // inside the data fails with "Error reading record".
  uint8_t GetByte(size_t ofs) const;
  uint16_t GetWord(size_t ofs) const;
  uint32_t GetCardinal(size_t ofs) const;
  double GetDouble(size_t ofs) const;

 protected:
  // Fails with "Record with ID 0x%x is invalid" when the data is shorter.
  void RequireSize(size_t minSize) const;
  void CheckField(size_t ofs, size_t width) const;

  std::vector<uint8_t> FData;

 private:
  uint16_t FId;
  std::unique_ptr<TContinueRecord> FContinue;
};

// A record whose decoders read its first `MinSize` bytes: shorter data fails
// at construction with "Record with ID 0x%x is invalid".
template <size_t MinSize>
class TSizedRecord : public TBaseRecord {
 public:
  TSizedRecord(uint16_t aId, std::vector<uint8_t> aData) : TBaseRecord(aId, std::move(aData)) {
    RequireSize(MinSize);
  }
};

// CONTINUE (0x003C): the data that runs on from the record before it.
class TContinueRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// A record whose content the engine regenerates when it writes a file;
// loaders release it as soon as it is read.
class TIgnoreRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// A record that begins with a row and a column (at least 4 bytes).
class TBaseRowColRecord : public TBaseRecord {
 public:
  TBaseRowColRecord(uint16_t aId, std::vector<uint8_t> aData);
  uint16_t Row() const { return GetWord(0); }
  uint16_t Column() const { return GetWord(2); }
};

// NOTE (0x001C): a cell note, kept as read.
class TNoteRecord : public TBaseRowColRecord {
 public:
  using TBaseRowColRecord::TBaseRowColRecord;
};

}  // namespace tabulon
