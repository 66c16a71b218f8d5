#include "catalogue/ui/CatalogueMessages.h"

#include <QFileDialog>
#include <QMessageBox>

namespace orbivox {
namespace {

QString Lines(const QString& text) {
    return QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

void CatalogueMessages::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Orbivox32"), Lines(text));
}

void CatalogueMessages::Warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("Orbivox32"), Lines(text));
}

bool CatalogueMessages::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, QStringLiteral("Orbivox32"), Lines(text),
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
