#include <ctime>

#include "stand-ins/unzip32/Passes.h"

namespace unzip32 {

namespace {

uint32_t Low32(zip_uint64_t value) { return static_cast<uint32_t>(value); }

uint32_t SavedPermille(const zip_stat_t& stat) {
  if (stat.size == 0 || stat.comp_size >= stat.size) return 0;
  return Low32(1000 - stat.comp_size * 1000 / stat.size);
}

}  // namespace

void ListEntries(const Archive& archive, Selection& selection, const UnzipCallbacks& callbacks,
                 Report& report) {
  ForEachSelected(archive, selection, report, [&](zip_uint64_t, const EntryInfo& info) {
    if (callbacks.entry == nullptr) return true;
    std::tm date{};
    const std::time_t mtime = info.stat.mtime;
    ::localtime_r(&mtime, &date);
    callbacks.entry(Low32(info.stat.size), Low32(info.stat.comp_size), SavedPermille(info.stat),
                    Low32(date.tm_mon + 1), Low32(date.tm_mday), Low32(date.tm_year + 1900),
                    Low32(date.tm_hour), Low32(date.tm_min), info.encrypted ? 1 : 0,
                    info.name.c_str(), info.stat.comp_method, info.stat.crc, info.isFolder ? 1 : 0);
    return true;
  });
}

}  // namespace unzip32
