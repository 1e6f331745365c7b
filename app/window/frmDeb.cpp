#include "app/window/frmDeb.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/request/AuthorCredit.h"
#include "app/request/EscapedError.h"
#include "app/request/TxtMsg.h"
#include "app/window/Captions.h"
#include "app/window/FormLayout.h"
#include "app/window/Pictures.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowTable.h"

namespace ferolan {

namespace {

using namespace layout;

QColor ColourOf(const Colour& colour) { return QColor(colour.red, colour.green, colour.blue); }

// Tahoma where it is installed, the system's sans-serif otherwise.
QFont WindowFont(qreal points) {
  QFont font = QFontDatabase::families().contains("Tahoma")
                   ? QFont("Tahoma")
                   : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  return font;
}

void SetColour(QWidget* control, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = control->palette();
  palette.setColor(role, colour);
  control->setPalette(palette);
}

QLabel* NewLabel(QWidget* container) {
  auto* label = new QLabel(container);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// Where the window's font is not installed, a text may need more room than its control
// offers; it then gets a smaller size of the same font rather than being cut.
void ShrinkToFit(QWidget* control) {
  constexpr qreal kSmallest = 6;
  QFont font = control->font();
  while (font.pointSizeF() > kSmallest && (control->sizeHint().width() > control->width() ||
                                           control->sizeHint().height() > control->height())) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
    control->setFont(font);
  }
}

QGroupBox* NewFrame(QWidget* window) {
  auto* frame = new QGroupBox(window);
  frame->setFlat(false);
  return frame;
}

}  // namespace

frmDeb::frmDeb() : m_cHookDlg(*this), request_([this] { return Option1->isChecked(); }) {
  BuildControls();
  hwnd_ = qt::HandleOf(this);
  Form_Load();
}

frmDeb::~frmDeb() = default;

void frmDeb::BuildControls() {
  setWindowTitle(qt::ToQt(captions::kWindowTitle));
  setWindowIcon(Pictures::WindowIcon());
  setFont(WindowFont(kFontPoints));
  setFixedSize(TwipsX(kClientWidth), TwipsY(kClientHeight));

  Frame2 = NewFrame(this);
  Place(Frame2, kFrame2);
  Label1 = NewLabel(Frame2);
  Place(Label1, kLabel1);
  Label1->setFont(WindowFont(kDescriptionPoints));
  Label1->setWordWrap(false);  // its three lines are broken by the text itself
  Label1->setAutoFillBackground(true);
  SetColour(Label1, QPalette::Window, ColourOf(kDescriptionBack));
  SetColour(Label1, QPalette::WindowText, ColourOf(kDescriptionText));
  Picture1 = new QLabel(Frame2);
  Place(Picture1, kPicture1);
  Picture1->setPixmap(Pictures::ConversionPicture());
  Picture1->setAlignment(Qt::AlignCenter);
  Picture1->setAutoFillBackground(true);
  SetColour(Picture1, QPalette::Window, palette().color(QPalette::Base));

  Frame1 = NewFrame(this);
  Place(Frame1, kFrame1);
  Label2 = NewLabel(Frame1);
  Place(Label2, kLabel2);
  SetColour(Label2, QPalette::WindowText, ColourOf(kWhereText));

  Option1 = new QRadioButton(qt::ToQt(captions::kOption1), this);
  Place(Option1, kOption1);
  Option2 = new QRadioButton(qt::ToQt(captions::kOption2), this);
  Place(Option2, kOption2);
  Option1->setChecked(true);

  cmdOpen = new QPushButton(qt::ToQt(captions::kBrowse), this);
  Place(cmdOpen, kCmdOpen);
  Quitter = new QPushButton(qt::ToQt(captions::kQuit), this);
  Place(Quitter, kQuitter);
  aide = new QPushButton(this);
  Place(aide, kAide);
  aide->setIcon(QIcon(Pictures::HelpPicture()));
  aide->setIconSize(QSize(16, 16));

  Frame3 = NewFrame(this);
  Place(Frame3, kFrame3);
  Label3 = NewLabel(Frame3);
  Place(Label3, kLabel3);
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label4 = NewLabel(Frame3);
  Place(Label4, kLabel4);
  Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  txtFileName = new QLineEdit(this);
  Place(txtFileName, kTxtFileName);
  SetColour(txtFileName, QPalette::Base, palette().color(QPalette::Button));

  // The tab order of the window's tab indexes; frames, labels and the picture take no focus.
  setTabOrder(txtFileName, Option1);
  setTabOrder(Option1, Option2);
  setTabOrder(Option2, Quitter);
  setTabOrder(Quitter, aide);
  setTabOrder(aide, cmdOpen);

  // Nothing may leave a slot by an exception: Qt's event loop cannot carry one.
  connect(cmdOpen, &QPushButton::clicked, this, [this] { Guarded([this] { cmdOpen_Click(); }); });
  connect(aide, &QPushButton::clicked, this, [this] { Guarded([this] { aide_Click(); }); });
  connect(Quitter, &QPushButton::clicked, this, [this] { Guarded([this] { Quitter_Click(); }); });
}

void frmDeb::Form_Load() {
  Label1->setText(qt::ToQt(captions::kDescription));
  Label2->setText(qt::ToQt(captions::kWhere));
  Label3->setText(qt::ToQt(captions::VersionCaption()));
  Label4->setText(qt::ToQt(kAuthorCredit));
  for (QWidget* control :
       std::initializer_list<QWidget*>{Label1, Option1, Option2, Label3, Label4}) {
    ShrinkToFit(control);
  }
}

void frmDeb::cmdOpen_Click() {
  SetRequestRunning(true);
  request_.cmdOpen_Click(m_cHookDlg, *this);
  SetRequestRunning(false);
  if (closePending_) close();
}

void frmDeb::aide_Click() { TxtMsg::ShowExportHelp(); }

void frmDeb::Quitter_Click() {
  request_.RemoveWorkFolder();
  QCoreApplication::exit(0);
}

void frmDeb::Form_Unload() { request_.RemoveWorkFolder(); }

void frmDeb::closeEvent(QCloseEvent* event) {
  if (requestRunning_) {
    closePending_ = true;
    event->ignore();
    return;
  }
  Form_Unload();
  event->accept();
}

void frmDeb::m_cHookDlg_InitDialog(int32_t hDlg) { m_cHookDlg.CentreDialog(hDlg, *this); }

std::string frmDeb::Text() const { return qt::FromQt(txtFileName->text()); }

void frmDeb::SetText(const std::string& text) { txtFileName->setText(qt::ToQt(text)); }

void frmDeb::SetRequestRunning(bool running) {
  requestRunning_ = running;
  for (QPushButton* button : {cmdOpen, aide, Quitter}) button->setEnabled(!running);
}

int frmDeb::TwipsX(int twips) const { return Pixels(twips, logicalDpiX()); }

int frmDeb::TwipsY(int twips) const { return Pixels(twips, logicalDpiY()); }

void frmDeb::Place(QWidget* control, const layout::Twips& twips) const {
  control->setGeometry(TwipsX(twips.left), TwipsY(twips.top), TwipsX(twips.width),
                       TwipsY(twips.height));
}

}  // namespace ferolan
