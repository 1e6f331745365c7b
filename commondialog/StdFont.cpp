#include "commondialog/StdFont.h"

#include "platform/winapi/ChooseDialogs.h"

namespace ferolan {

using namespace winapi;

// The face the window system's font configuration gives for its sans-serif family.
StdFont::StdFont() : m_sName("Sans Serif"), m_dSize(8), m_lWeight(FW_NORMAL) {}

bool StdFont::Bold() const { return m_lWeight >= FW_SEMIBOLD; }

void StdFont::Bold(bool value) { m_lWeight = value ? FW_BOLD : FW_NORMAL; }

}  // namespace ferolan
