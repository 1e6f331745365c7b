#include "platform/windows/gui/PasswordBox.h"

#include <string_view>
#include <vector>

namespace ferolan::windows {

namespace {

constexpr WORD kPrompt = 100;
constexpr WORD kField = 101;

// A dialog template in memory, as the system reads it: WORDs, items on DWORD boundaries.
class DialogTemplate {
 public:
  DialogTemplate(std::wstring_view title, short width, short height) {
    const DWORD style =
        DS_MODALFRAME | DS_SETFONT | DS_SHELLFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AddLong(style);
    AddLong(0);           // extended style
    words_.push_back(0);  // item count, counted as items come
    for (short value : {short{0}, short{0}, width, height}) words_.push_back(Word(value));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the system's dialog class
    AddText(title);
    words_.push_back(8);
    AddText(L"MS Shell Dlg");
  }

  void AddItem(WORD id, WORD systemClass, DWORD style, short x, short y, short cx, short cy,
               std::wstring_view text = {}) {
    if (words_.size() % 2 != 0) words_.push_back(0);
    AddLong(style | WS_CHILD | WS_VISIBLE);
    AddLong(0);
    for (short value : {x, y, cx, cy}) words_.push_back(Word(value));
    words_.push_back(id);
    words_.push_back(0xFFFF);
    words_.push_back(systemClass);
    AddText(text);
    words_.push_back(0);  // no creation data
    ++words_[4];
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  static WORD Word(short value) { return static_cast<WORD>(value); }
  void AddLong(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void AddText(std::wstring_view text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }

  std::vector<WORD> words_;
};

constexpr WORD kButton = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kStatic = 0x0082;

struct Question {
  const std::wstring& prompt;
  const std::wstring& defaultText;
  std::wstring answer;
};

INT_PTR CALLBACK PasswordProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* question = reinterpret_cast<const Question*>(lParam);
      ::SetWindowLongPtrW(box, DWLP_USER, lParam);
      ::SetDlgItemTextW(box, kPrompt, question->prompt.c_str());
      ::SetDlgItemTextW(box, kField, question->defaultText.c_str());
      ::SetFocus(::GetDlgItem(box, kField));
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* question = reinterpret_cast<Question*>(::GetWindowLongPtrW(box, DWLP_USER));
        const HWND field = ::GetDlgItem(box, kField);
        question->answer.resize(static_cast<std::size_t>(::GetWindowTextLengthW(field)) + 1);
        question->answer.resize(static_cast<std::size_t>(::GetWindowTextW(
            field, question->answer.data(), static_cast<int>(question->answer.size()))));
        ::EndDialog(box, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(box, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::wstring> AskPassword(HWND owner, const std::wstring& prompt,
                                        const std::wstring& title,
                                        const std::wstring& defaultText) {
  // The layout of the system's text-input boxes, in dialog units.
  DialogTemplate box(title, 262, 82);
  box.AddItem(kPrompt, kStatic, SS_LEFT | SS_NOPREFIX, 7, 7, 190, 48);
  box.AddItem(IDOK, kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 205, 7, 50, 14, L"OK");
  box.AddItem(IDCANCEL, kButton, BS_PUSHBUTTON | WS_TABSTOP, 205, 25, 50, 14, L"Annuler");
  box.AddItem(kField, kEdit, ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 61, 248, 14);
  Question question{prompt, defaultText, {}};
  const INT_PTR answer =
      ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), box.Get(), owner, PasswordProc,
                                reinterpret_cast<LPARAM>(&question));
  if (answer != IDOK) return std::nullopt;
  return question.answer;
}

}  // namespace ferolan::windows
