#include "tests/hostile/ZipBomb.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>
#include <vector>

namespace ferolan::testing {

namespace {

// One MiB of zeros deflated after a full flush: the block refers to nothing before it, so the
// same bytes repeated make a stream of as many MiB.
struct DeflatedZeros {
  std::string block;
  std::string end;  // the final empty block
};

DeflatedZeros DeflateOneMiB() {
  z_stream stream{};
  if (deflateInit2(&stream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2");
  }
  std::vector<unsigned char> zeros(kMiB, 0);
  std::vector<unsigned char> out(kMiB);
  auto run = [&](unsigned char* in, uInt size, int flush) {
    stream.next_in = in;
    stream.avail_in = size;
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, flush);
    return std::string(reinterpret_cast<const char*>(out.data()), out.size() - stream.avail_out);
  };
  DeflatedZeros zerosDeflated;
  zerosDeflated.block = run(zeros.data(), static_cast<uInt>(zeros.size()), Z_FULL_FLUSH);
  zerosDeflated.end = run(nullptr, 0, Z_FINISH);
  deflateEnd(&stream);
  return zerosDeflated;
}

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The fields that the local and the central header share, from "version needed" on.
std::string CommonFields(std::uint32_t crc, std::uint32_t packed, std::uint32_t declared,
                         const std::string& name) {
  std::string fields;
  Put16(fields, 20);      // version needed: deflate
  Put16(fields, 0);       // flags
  Put16(fields, 8);       // method: deflate
  Put16(fields, 0);       // time
  Put16(fields, 0x5A21);  // date: 2025-01-01
  Put32(fields, crc);
  Put32(fields, packed);
  Put32(fields, declared);
  Put16(fields, static_cast<std::uint32_t>(name.size()));
  Put16(fields, 0);  // extra field length
  return fields;
}

}  // namespace

void MakeSharedDataArchive(const std::string& path, const std::vector<SharedData>& pieces) {
  const DeflatedZeros zeros = DeflateOneMiB();
  const std::uint32_t oneMiBCrc = crc32(0, std::vector<Bytef>(kMiB, 0).data(), kMiB);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::uint32_t offset = 0;
  std::string central;
  std::uint32_t entries = 0;
  for (const SharedData& piece : pieces) {
    const std::uint64_t blocks = piece.inflatedSize / kMiB;
    uLong crc = 0;
    for (std::uint64_t i = 0; i < blocks; ++i) crc = crc32_combine(crc, oneMiBCrc, kMiB);
    const auto packed = static_cast<std::uint32_t>(blocks * zeros.block.size() + zeros.end.size());
    const auto fieldsFor = [&](const std::string& name) {
      return CommonFields(static_cast<std::uint32_t>(crc), packed,
                          static_cast<std::uint32_t>(piece.declaredSize), name);
    };
    std::string local;
    Put32(local, 0x04034B50);
    local += fieldsFor(piece.names.front()) + piece.names.front();
    out << local;
    for (std::uint64_t i = 0; i < blocks; ++i) out << zeros.block;
    out << zeros.end;

    for (const std::string& name : piece.names) {
      Put32(central, 0x02014B50);
      Put16(central, 20);  // made by
      central += fieldsFor(name);
      Put16(central, 0);  // comment length
      Put16(central, 0);  // disk
      Put16(central, 0);  // internal attributes
      Put32(central, 0);  // external attributes
      Put32(central, offset);
      central += name;
      ++entries;
    }
    offset += static_cast<std::uint32_t>(local.size()) + packed;
  }

  std::string end;
  Put32(end, 0x06054B50);
  Put16(end, 0);
  Put16(end, 0);
  Put16(end, entries);
  Put16(end, entries);
  Put32(end, static_cast<std::uint32_t>(central.size()));
  Put32(end, offset);
  Put16(end, 0);
  out << central << end;
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

void MakeZipBomb(const std::string& path, const std::string& entryName, std::uint64_t declaredSize,
                 std::uint64_t inflatedSize) {
  MakeSharedDataArchive(path, {{{entryName}, declaredSize, inflatedSize}});
}

}  // namespace ferolan::testing
