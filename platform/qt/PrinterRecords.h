// A Qt printer as the platform's print dialogs describe it: the default printer they start
// from, and the device-mode and device-names blocks and the device context they return.
#pragma once

#include <string>

#include "platform/winapi/PrintDialogs.h"

class QPrinter;

namespace ferolan::qt {

// The system's default printer; a PDF file in the home folder when `toFile` is set or no
// printer is installed.
void UseDefaultPrinter(QPrinter& printer, bool toFile);

// Whether the printer writes a PDF file rather than printing.
bool PrintsToFile(const QPrinter& printer);

// The printer's name as the device mode and the device context give it.
std::string DeviceName(const QPrinter& printer);

// New GlobalAlloc blocks describing the printer; 0 when memory runs out. Without
// `copiesInDevMode` the device mode asks for one uncollated copy, as for a program that makes
// its copies itself.
winapi::HGLOBAL NewDevMode(const QPrinter& printer, bool copiesInDevMode);
winapi::HGLOBAL NewDevNames(const QPrinter& printer);

// Puts a new block into a record's field, freeing the one it held.
void ReplaceBlock(winapi::HGLOBAL& field, winapi::HGLOBAL block);

}  // namespace ferolan::qt
