#include "app/window/qt/frmDeb.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/request/EscapedError.h"
#include "app/window/qt/Pictures.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowTable.h"

namespace ferolan {

namespace {

using namespace form;

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

bool TakesFocus(Kind kind) {
  return kind == Kind::TextBox || kind == Kind::Option || kind == Kind::Button;
}

}  // namespace

frmDeb::frmDeb() {
  BuildControls();
  hwnd_ = qt::HandleOf(this);
  form_.Form_Load();
  // Where the window's font is not installed, the texts that must show whole.
  for (QWidget* control :
       std::initializer_list<QWidget*>{Label1, Option1, Option2, Label3, Label4}) {
    ShrinkToFit(control);
  }
}

frmDeb::~frmDeb() = default;

void frmDeb::BuildControls() {
  setWindowTitle(qt::ToQt(kCaption));
  setWindowIcon(Pictures::WindowIcon());
  setFont(WindowFont(kFontPoints));
  setFixedSize(TwipsX(kClientWidth), TwipsY(kClientHeight));

  // The frames first, as the controls in them are their children; then the others, the
  // tab order being the table's order of the controls that take the focus.
  for (const bool frames : {true, false}) {
    for (int index = 0; index < kControlCount; ++index) {
      if ((kControls[index].kind == Kind::Frame) == frames)
        controls_[index] = Make(kControls[index]);
    }
  }
  QWidget* previous = nullptr;
  for (int index = 0; index < kControlCount; ++index) {
    if (!TakesFocus(kControls[index].kind)) continue;
    if (previous != nullptr) setTabOrder(previous, controls_[index]);
    previous = controls_[index];
  }

  txtFileName = Named<QLineEdit>(Id::txtFileName);
  Option1 = Named<QRadioButton>(Id::Option1);
  Option2 = Named<QRadioButton>(Id::Option2);
  Quitter = Named<QPushButton>(Id::Quitter);
  aide = Named<QPushButton>(Id::aide);
  cmdOpen = Named<QPushButton>(Id::cmdOpen);
  Label1 = Named<QLabel>(Id::Label1);
  Picture1 = Named<QLabel>(Id::Picture1);
  Label2 = Named<QLabel>(Id::Label2);
  Label3 = Named<QLabel>(Id::Label3);
  Label4 = Named<QLabel>(Id::Label4);
  Frame2 = Named<QGroupBox>(Id::Frame2);
  Frame1 = Named<QGroupBox>(Id::Frame1);
  Frame3 = Named<QGroupBox>(Id::Frame3);

  Option1->setChecked(true);
  aide->setIcon(QIcon(Pictures::HelpPicture()));
  aide->setIconSize(QSize(16, 16));
  Picture1->setPixmap(Pictures::ConversionPicture());

  // Nothing may leave a slot by an exception: Qt's event loop cannot carry one.
  connect(cmdOpen, &QPushButton::clicked, this,
          [this] { Guarded([this] { form_.cmdOpen_Click(); }); });
  connect(aide, &QPushButton::clicked, this, [this] { Guarded([this] { form_.aide_Click(); }); });
  connect(Quitter, &QPushButton::clicked, this,
          [this] { Guarded([this] { form_.Quitter_Click(); }); });
}

// A control of the table, placed in its frame or in the window, with its caption and colours.
QWidget* frmDeb::Make(const Control& control) {
  QWidget* container = control.frame == kInWindow ? this : controls_[control.frame];
  QWidget* made = nullptr;
  switch (control.kind) {
    case Kind::TextBox:
      made = new QLineEdit(container);
      SetColour(made, QPalette::Base, palette().color(QPalette::Button));
      break;
    case Kind::Option:
      made = new QRadioButton(qt::ToQt(control.caption), container);
      break;
    case Kind::Button:
      made = new QPushButton(qt::ToQt(control.caption), container);
      break;
    case Kind::Label: {
      auto* label = new QLabel(container);
      label->setWordWrap(control.wraps);
      label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
      made = label;
      break;
    }
    case Kind::Picture: {
      auto* picture = new QLabel(container);
      picture->setAlignment(Qt::AlignCenter);
      picture->setAutoFillBackground(true);
      SetColour(picture, QPalette::Window, palette().color(QPalette::Base));
      made = picture;
      break;
    }
    case Kind::Frame: {
      auto* frame = new QGroupBox(container);
      frame->setFlat(false);
      made = frame;
      break;
    }
  }
  made->setGeometry(TwipsX(control.place.left), TwipsY(control.place.top),
                    TwipsX(control.place.width), TwipsY(control.place.height));
  if (control.points != 0) made->setFont(WindowFont(control.points));
  if (control.back.Given()) {
    made->setAutoFillBackground(true);
    SetColour(made, QPalette::Window, ColourOf(control.back));
  }
  if (control.fore.Given()) SetColour(made, QPalette::WindowText, ColourOf(control.fore));
  return made;
}

void frmDeb::closeEvent(QCloseEvent* event) {
  if (form_.Form_QueryUnload()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void frmDeb::SetCaption(Id control, const std::string& text) {
  controls_[static_cast<int>(control)]->setProperty("text", qt::ToQt(text));
}

bool frmDeb::Option1Checked() const { return Option1->isChecked(); }

void frmDeb::EnableControl(Id control, bool enabled) {
  controls_[static_cast<int>(control)]->setEnabled(enabled);
}

void frmDeb::EndProgram() { QCoreApplication::exit(0); }

std::string frmDeb::Text() const { return qt::FromQt(txtFileName->text()); }

void frmDeb::SetText(const std::string& text) { txtFileName->setText(qt::ToQt(text)); }

int frmDeb::TwipsX(int twips) const { return Pixels(twips, logicalDpiX()); }

int frmDeb::TwipsY(int twips) const { return Pixels(twips, logicalDpiY()); }

}  // namespace ferolan
