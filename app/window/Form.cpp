#include "app/window/Form.h"

#include "app/form/VersionCaption.h"
#include "app/request/AuthorCredit.h"
#include "app/request/TxtMsg.h"

namespace ferolan {

using form::Id;

Form::Form(FormView& view)
    : view_(view), m_cHookDlg(*this), request_([this] { return view_.Option1Checked(); }) {}

void Form::Form_Load() {
  for (const Id label : {Id::Label1, Id::Label2}) {
    view_.SetCaption(label, form::ControlOf(label).caption);
  }
  view_.SetCaption(Id::Label3, form::VersionCaption());
  view_.SetCaption(Id::Label4, kAuthorCredit);
}

void Form::cmdOpen_Click() {
  SetRequestRunning(true);
  request_.cmdOpen_Click(m_cHookDlg, view_);
  SetRequestRunning(false);
  if (closePending_) view_.Close();
}

void Form::aide_Click() { TxtMsg::ShowExportHelp(); }

void Form::Quitter_Click() {
  request_.RemoveWorkFolder();
  view_.EndProgram();
}

bool Form::Form_QueryUnload() {
  if (requestRunning_) {
    closePending_ = true;
    return false;
  }
  Form_Unload();
  return true;
}

void Form::Form_Unload() { request_.RemoveWorkFolder(); }

void Form::m_cHookDlg_InitDialog(int32_t hDlg) { m_cHookDlg.CentreDialog(hDlg, view_); }

void Form::SetRequestRunning(bool running) {
  requestRunning_ = running;
  for (const Id button : {Id::cmdOpen, Id::aide, Id::Quitter}) {
    view_.EnableControl(button, !running);
  }
}

}  // namespace ferolan
