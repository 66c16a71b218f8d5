// The real message boxes and open-file dialog behind the catalogue dialogs, and the test for a
// large-font (120 dpi) screen that some layouts follow.
#include "catalogue/ui/CatalogueMessages.h"

#include <QFileDialog>
#include <QMessageBox>

#include "settings/Notifier.h"

namespace orbivox {

void CatalogueMessages::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Orbivox32"), DisplayLines(text));
}

void CatalogueMessages::Warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("Orbivox32"), DisplayLines(text));
}

bool CatalogueMessages::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, QStringLiteral("Orbivox32"), DisplayLines(text),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

QString CatalogueMessages::OpenFile(QWidget* parent, const QString& folder,
                                    const QStringList& filters) {
    QString selected = filters.value(0);
    return QFileDialog::getOpenFileName(parent, QString(), folder,
                                        filters.join(QStringLiteral(";;")), &selected);
}

bool IsLargeFontScreen(const QWidget* widget) {
    return widget != nullptr && widget->logicalDpiX() >= 120;
}

}  // namespace orbivox
