#pragma once
// The desktop program's file chooser: the open-file dialog over the active window.
#include <QApplication>
#include <QFileDialog>

#include "catalogue/FileChooser.h"

namespace orbivox {

class FileDialogChooser : public FileChooser {
public:
    QString OpenFile(const QString& folder, const QStringList& filters) override {
        QString selected = filters.value(0);
        QWidget* parent = QApplication::activeModalWidget();
        return QFileDialog::getOpenFileName(parent ? parent : QApplication::activeWindow(),
                                            QString(), folder, filters.join(QStringLiteral(";;")),
                                            &selected);
    }
};

}  // namespace orbivox
