#include "engine/ExportScan.h"

#include <algorithm>

#include "engine/IntermediateLayout.h"
#include "engine/RecordNumber.h"
#include "engine/SplitText.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan::Module1 {

namespace {

constexpr std::string_view kPupilTag = "MELEVE_MID>";
constexpr std::string_view kProtocolTag = "MPROTOCOLE_MNOM>";
constexpr std::string_view kCodesTag = "MCODES>";

// Pass 2 drops exactly kRecordNumberWidth bytes of record number, so from the hundredth record
// on only the last two digits are written; pass 2 numbers its lines anew.
static_assert(kRecordNumberWidth == 2);
std::string RecordField(long count) { return RecordNumber(count % 100); }

}  // namespace

ExportScan::ExportScan(const std::string& exportPath, const std::string& intermediatePath,
                       const OutputKindQuery& option1Value)
    : export_(exportPath), intermediate_(intermediatePath), option1Value_(option1Value) {}

void ExportScan::Run() {
  // Between records the end of the export ends the scan, even among the bytes that follow a
  // "<": a short closing tag ends every well-formed export. Within a record it is an error.
  while (export_.SkipPast('<')) {
    if (!export_.ReadMatchesUnlessEnd(kPupilTag)) continue;
    ++recordCount_;
    intermediate_.Write(RecordField(recordCount_));
    ReadPupilName();
    FindProtocolTag();
    FindCodesTag();
  }
  intermediate_.Close();
}

void ExportScan::ReadPupilName() {
  // Only the part of the text where SplitText can find its "(" is kept; a "(" further on
  // would make SplitText overflow, and still does.
  std::string& pupilText = pupilText_;
  pupilText.assign(option1Value_() ? "" : ";");
  bool parenthesisOutOfRange = false;
  export_.ReadUntil('<', [&](std::string_view piece) {
    const std::size_t room =
        kLastPositionBeforeLast - std::min(kLastPositionBeforeLast, pupilText.size());
    pupilText.append(piece.substr(0, room));
    if (piece.size() > room && piece.find('(', room) != std::string_view::npos) {
      parenthesisOutOfRange = true;
    }
  });
  if (parenthesisOutOfRange) CheckSplitPosition(kLastPositionBeforeLast + 1, true);

  const std::string_view namePart = SplitView(pupilText, "(", true);
  const std::string_view surname = SplitView(namePart, "--", true);
  std::string_view firstName = SplitView(namePart, "-", false);
  if (!firstName.empty()) firstName.remove_prefix(1);

  if (option1Value_()) {
    WriteField(surname, kSurnameWidth);
    WriteField(firstName, kFirstNameWidth);
  } else {
    intermediate_.Write(surname);
    intermediate_.Write(";");
    intermediate_.Write(firstName);
  }
}

void ExportScan::FindProtocolTag() {
  FindTag(kProtocolTag);
  ReadProtocol();
}

void ExportScan::ReadProtocol() {
  const bool casimir = option1Value_();
  WriteWholeValue([&] {
    if (!casimir) intermediate_.Write(";");
    export_.ReadUntil('<', [&](std::string_view piece) { intermediate_.Write(piece); });
    intermediate_.Write(kProtocolMarker);
  });
}

void ExportScan::FindCodesTag() {
  FindTag(kCodesTag);
  ReadCodes();
  intermediate_.Write("\r\n");
}

void ExportScan::ReadCodes() {
  const bool casimir = option1Value_();
  WriteWholeValue([&] {
    std::size_t length = 0;
    std::string& spread = spread_;  // in text output each code is preceded by ";"
    export_.ReadUntil('<', [&](std::string_view piece) {
      length += piece.size();
      if (casimir) {
        intermediate_.Write(piece);
        return;
      }
      spread.resize(2 * piece.size());
      for (std::size_t i = 0; i < piece.size(); ++i) {
        spread[2 * i] = ';';
        spread[2 * i + 1] = piece[i];
      }
      intermediate_.Write(spread);
    });
    if (casimir && length < kCodesWidth) intermediate_.WriteSpaces(kCodesWidth - length);
  });
}

void ExportScan::FindTag(std::string_view tagText) {
  for (;;) {
    if (!export_.SkipPast('<')) Raise(kErrInputPastEnd);
    if (export_.ReadMatches(tagText)) return;
  }
}

template <class Write>
void ExportScan::WriteWholeValue(Write&& write) {
  const auto start = intermediate_.Offset();
  try {
    write();
  } catch (const RuntimeError&) {
    intermediate_.TruncateTo(start);
    throw;
  }
}

// A value longer than its field is cut to the field, so that the fixed layout holds.
void ExportScan::WriteField(std::string_view text, std::size_t width) {
  intermediate_.Write(text.substr(0, width));
  if (text.size() < width) intermediate_.WriteSpaces(width - text.size());
}

}  // namespace ferolan::Module1
