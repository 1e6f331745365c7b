// Windows file times (100 ns steps since 1601) and the Unix times that libzip keeps.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ctime>

namespace standin {

inline constexpr std::int64_t kUnixEpoch = 116444736000000000;  // 1970 in 100 ns steps
inline constexpr std::int64_t kStepsPerSecond = 10000000;

inline std::time_t UnixTime(const FILETIME& time) {
  const std::int64_t steps =
      static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
  return static_cast<std::time_t>((steps - kUnixEpoch) / kStepsPerSecond);
}

inline FILETIME FileTime(std::time_t time) {
  const auto steps = static_cast<std::uint64_t>(std::int64_t{time} * kStepsPerSecond + kUnixEpoch);
  return FILETIME{static_cast<DWORD>(steps), static_cast<DWORD>(steps >> 32)};
}

}  // namespace standin
