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
#include "app/request/TxtMsg.h"
#include "app/window/Pictures.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowTable.h"
#include "platform/runtime/App.h"

namespace ferolan {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kClientWidth = 4680;
constexpr int kClientHeight = 3540;

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
  setWindowTitle("Ferolan");
  setWindowIcon(Pictures::WindowIcon());
  setFont(WindowFont(8.25));
  setFixedSize(TwipsX(kClientWidth), TwipsY(kClientHeight));

  Frame2 = NewFrame(this);
  Place(Frame2, 60, -45, 4560, 1215);
  Label1 = NewLabel(Frame2);
  Place(Label1, 45, 135, 3765, 1020);
  Label1->setFont(WindowFont(12));
  Label1->setWordWrap(false);  // its three lines are broken by the text itself
  Label1->setAutoFillBackground(true);
  SetColour(Label1, QPalette::Window, QColor(255, 255, 255));
  SetColour(Label1, QPalette::WindowText, QColor(0, 0, 128));
  Picture1 = new QLabel(Frame2);
  Place(Picture1, 3735, 135, 765, 1020);
  Picture1->setPixmap(Pictures::ConversionPicture());
  Picture1->setAlignment(Qt::AlignCenter);
  Picture1->setAutoFillBackground(true);
  SetColour(Picture1, QPalette::Window, palette().color(QPalette::Base));

  Frame1 = NewFrame(this);
  Place(Frame1, 60, 1140, 4560, 870);
  Label2 = NewLabel(Frame1);
  Place(Label2, 105, 150, 4260, 660);
  SetColour(Label2, QPalette::WindowText, QColor(128, 128, 255));

  Option1 = new QRadioButton("Fichiers type 'casimir' (util. pr GPI)", this);
  Place(Option1, 60, 2250, 2775, 195);
  Option2 = new QRadioButton("Fichiers 'txt' ( séparateur ';' )", this);
  Place(Option2, 60, 2520, 2475, 240);
  Option1->setChecked(true);

  cmdOpen = new QPushButton("Parcourir...", this);
  Place(cmdOpen, 3015, 2190, 1560, 315);
  Quitter = new QPushButton("Quitter", this);
  Place(Quitter, 3015, 2550, 1185, 315);
  aide = new QPushButton(this);
  Place(aide, 4230, 2550, 345, 315);
  aide->setIcon(QIcon(Pictures::HelpPicture()));
  aide->setIconSize(QSize(16, 16));

  Frame3 = NewFrame(this);
  Place(Frame3, 60, 2865, 4560, 615);
  Label3 = NewLabel(Frame3);
  Place(Label3, 1275, 135, 2100, 240);
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label4 = NewLabel(Frame3);
  Place(Label4, 705, 360, 3210, 195);
  Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  // Below the client area: it only carries the chosen path.
  txtFileName = new QLineEdit(this);
  Place(txtFileName, 480, 4080, 4335, 375);
  SetColour(txtFileName, QPalette::Base, palette().color(QPalette::Button));

  // The tab order of the window's tab indexes; frames, labels and the picture take no focus.
  setTabOrder(txtFileName, Option1);
  setTabOrder(Option1, Option2);
  setTabOrder(Option2, Quitter);
  setTabOrder(Quitter, aide);
  setTabOrder(aide, cmdOpen);

  connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
  connect(aide, &QPushButton::clicked, this, [this] { aide_Click(); });
  connect(Quitter, &QPushButton::clicked, this, [this] { Quitter_Click(); });
}

void frmDeb::Form_Load() {
  const std::string cr = "\r";
  Label1->setText(qt::ToQt("  Conversion d'un fichier '.jad' de " + cr +
                           "   J'ADE en fichiers exploitables par " + cr + "   Excel ou par GPI."));
  Label2->setText(qt::ToQt(
      "A la fin du traitement vous trouverez avec votre fichier '.jad' les 2 fichiers créés." + cr +
      "(un pour le français et un pour les mathématiques)"));
  Label3->setText(
      qt::ToQt("Version " + std::to_string(App::Major) + "." + std::to_string(App::Minor)));
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

int frmDeb::TwipsX(int twips) const { return twips * logicalDpiX() / kTwipsPerInch; }

int frmDeb::TwipsY(int twips) const { return twips * logicalDpiY() / kTwipsPerInch; }

void frmDeb::Place(QWidget* control, int left, int top, int width, int height) const {
  control->setGeometry(TwipsX(left), TwipsY(top), TwipsX(width), TwipsY(height));
}

}  // namespace ferolan
