// The Deflate64 inflater on streams from the tests' own encoder, whole and damaged, read in
// pieces of one byte and in large ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "stand-ins/unzip32/Deflate64Inflater.h"
#include "tests/zip/Deflate64Writer.h"

namespace ferolan::testing {
namespace {

using Writer = Deflate64Writer;

struct Inflated {
  std::string data;
  std::string error;
};

// The stream handed over and inflated `piece` bytes at a time.
Inflated Inflate(const std::string& stream, std::size_t piece) {
  std::size_t given = 0;
  unzip32::Deflate64Inflater inflater([&](std::uint8_t* buffer, std::size_t size) {
    const std::size_t count = std::min({size, piece, stream.size() - given});
    std::memcpy(buffer, stream.data() + given, count);
    given += count;
    return static_cast<std::int64_t>(count);
  });
  Inflated inflated;
  std::string buffer(piece, '\0');
  // Bounded, so that an inflater that never ends fails the test instead of hanging it.
  while (inflated.data.size() < (1u << 20)) {
    const std::int64_t read = inflater.Read(reinterpret_cast<std::uint8_t*>(buffer.data()), piece);
    if (read < 0) inflated.error = inflater.Error();
    if (read <= 0) break;
    inflated.data.append(buffer, 0, static_cast<std::size_t>(read));
  }
  return inflated;
}

// The code lengths of a block coding 'a', the end of block and copies of length 3.
std::vector<std::uint8_t> LiteralLengths() {
  std::vector<std::uint8_t> lengths(258, 0);
  lengths['a'] = 1;
  lengths[256] = 2;
  lengths[257] = 2;
  return lengths;
}

TEST(Deflate64InflaterTest, StreamsInflateToTheirData) {
  const std::string window = Noise(65536);
  const Deflate64Token a = Literals("a")[0];
  const struct {
    const char* title;
    std::string stream;
    std::string data;
  } cases[] = {
      {"a stored block", Writer().Stored("Bonjour", true).Bytes(), "Bonjour"},
      {"fixed codes, a copy overlapping what it makes",
       Writer().Fixed(Literals("ab") + std::vector{Copy(5, 2)}, true).Bytes(), "abababa"},
      {"length code 285 at its longest: 3 plus 16 extra bits",
       Writer().Fixed({a, Copy(65538, 1)}, true).Bytes(), std::string(65539, 'a')},
      {"length code 285 just past 258", Writer().Fixed({a, Copy(259, 1)}, true).Bytes(),
       std::string(260, 'a')},
      {"distance codes 30 and 31, and the whole window back",
       Writer()
           .Stored(std::string_view(window).substr(0, 65535), false)
           .Stored(window.substr(65535), false)
           .Fixed({Copy(4, 32769), Copy(4, 50153), Copy(4, 65536)}, true)
           .Bytes(),
       window + window.substr(32767, 4) + window.substr(15387, 4) + window.substr(8, 4)},
      {"a dynamic block, its code lengths run-length coded",
       Writer()
           .Dynamic(Literals("portez ce vieux whisky au juge blond qui fume") +
                        std::vector{Copy(9, 38), Copy(300, 1)},
                    true)
           .Bytes(),
       "portez ce vieux whisky au juge blond qui fumece vieux " + std::string(300, ' ')},
      {"blocks of the three kinds, each copying from the one before",
       Writer()
           .Stored("abc", false)
           .Fixed({Copy(3, 3)}, false)
           .Dynamic(Literals("d") + std::vector{Copy(4, 4)}, true)
           .Bytes(),
       "abcabcdabcd"},
      {"a lone distance code of one bit",
       Writer().DynamicHeader(true, LiteralLengths(), {1}).Codes({a, Copy(3, 1)}).Bytes(), "aaaa"},
      {"whatever follows the final block",
       Writer().Fixed(Literals("fin"), true).Bits(~0u, 16).Bytes(), "fin"},
  };
  for (const auto& c : cases) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{1} << 17}) {
      SCOPED_TRACE(std::string(c.title) + ", pieces of " + std::to_string(piece));
      const Inflated inflated = Inflate(c.stream, piece);
      EXPECT_EQ(inflated.error, "");
      EXPECT_TRUE(inflated.data == c.data) << inflated.data.size() << " bytes";
    }
  }
}

TEST(Deflate64InflaterTest, DamagedStreamsFailWithTheirCause) {
  const std::string cut = "données compressées tronquées";
  const std::string whole = Writer().Stored("Bonjour", true).Bytes();
  const Deflate64Token a = Literals("a")[0];
  const struct {
    const char* title;
    std::string stream;
    std::string cause;
  } cases[] = {
      {"nothing at all", "", cut},
      {"cut inside a stored block", whole.substr(0, whole.size() - 2), cut},
      {"cut inside a code", Writer().Fixed(Literals("abc"), true).Bytes().substr(0, 2), cut},
      {"no final block", Writer().Fixed(Literals("abc"), false).Bytes(), cut},
      {"a stored length unlike its complement",
       Writer().Bits(1, 3).Bits(0, 5).Bits(7, 16).Bits(7, 16).Bytes(),
       "longueur de bloc non compressé incohérente"},
      {"block type 3", Writer().Bits(7, 3).Bytes(), "type de bloc inconnu"},
      {"more than 286 literal and length codes",
       Writer().Bits(5, 3).Bits(30, 5).Bits(0, 5).Bits(15, 4).Bytes(),
       "trop de codes de littéraux et de longueurs"},
      {"an over-subscribed code", Writer().DynamicHeader(true, LiteralLengths(), {1, 1, 1}).Bytes(),
       "table de codes de Huffman en surnombre"},
      {"an incomplete code", Writer().DynamicHeader(true, LiteralLengths(), {2}).Bytes(),
       "table de codes de Huffman incomplète"},
      {"a repeat before any length", Writer().DynamicHeader(true, 257, 1, {{16}}).Bytes(),
       "répétition d'une longueur de code absente"},
      {"a repeat past the last length",
       Writer().DynamicHeader(true, 257, 1, {{18, 127}, {18, 127}}).Bytes(),
       "répétition au-delà du nombre de codes"},
      // The distance is read from the end of block's code, which begins with a 1.
      {"the unused half of a lone one-bit code",
       Writer()
           .DynamicHeader(true, LiteralLengths(), {1})
           .Codes({a, {Deflate64Token::Kind::kSymbol, 257}})
           .Bytes(),
       "code de Huffman inconnu"},
      {"length symbol 286", Writer().Fixed({{Deflate64Token::Kind::kSymbol, 286}}, true).Bytes(),
       "code de longueur inconnu"},
      {"a distance before the start", Writer().Fixed({a, Copy(3, 2)}, true).Bytes(),
       "distance avant le début des données"},
      {"the whole window back, one byte short of it",
       Writer().Stored(Noise(65535), false).Fixed({Copy(3, 65536)}, true).Bytes(),
       "distance avant le début des données"},
  };
  for (const auto& c : cases) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{1} << 17}) {
      SCOPED_TRACE(std::string(c.title) + ", pieces of " + std::to_string(piece));
      const Inflated inflated = Inflate(c.stream, piece);
      EXPECT_NE(inflated.error.find(c.cause), std::string::npos) << inflated.error;
    }
  }
}

TEST(Deflate64InflaterTest, ASourceThatCannotBeReadFailsTheInflationForGood) {
  unzip32::Deflate64Inflater inflater([](std::uint8_t*, std::size_t) { return std::int64_t{-1}; });
  std::uint8_t buffer[16];
  EXPECT_EQ(inflater.Read(buffer, sizeof buffer), -1);
  EXPECT_EQ(inflater.Error(), "lecture des données compressées impossible");
  EXPECT_EQ(inflater.Read(buffer, sizeof buffer), -1);
}

}  // namespace
}  // namespace ferolan::testing
