#include "platform/qt/FrenchCatalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ferolan::qt {

namespace {

// Qt 6 asks the file icon provider for the file dialog's "Type" column ("Folder", "Drive"),
// and its French catalogue still holds those texts under the file dialog only.
class IconProviderTexts final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override {
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
    return QCoreApplication::translate("QFileDialog", sourceText, disambiguation, n);
  }
};

}  // namespace

void LoadFrenchCatalogues(QCoreApplication& application) {
  // Dates, sizes and numbers in the dialogs then read as the texts do.
  if (QLocale::system().language() != QLocale::French) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  }
  auto* catalogue = new QTranslator(&application);
  if (!catalogue->load(QStringLiteral("qtbase_fr"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete catalogue;
    return;
  }
  QCoreApplication::installTranslator(catalogue);
  QCoreApplication::installTranslator(new IconProviderTexts(&application));
}

}  // namespace ferolan::qt
