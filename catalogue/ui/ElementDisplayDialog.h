#pragma once
// TTLEDisplDfm: the fields of one element set, stepped with "Prev." and "Next" through the
// sets of the file. It only reads the sets; nothing needs converting again when it closes.
#include <QDialog>

#include "orbit/SetTable.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace orbivox {

class TTLEDisplDfm : public QDialog {
public:
    // caption: the source file's name; startIndex: the working satellite's set.
    TTLEDisplDfm(const orbit::SetTable& sets, int startIndex, const QString& caption,
                 QWidget* parent = nullptr);

    int index() const { return index_; }
    void ShowSet(int index);
    void PrevClick() { ShowSet(index_ - 1); }
    void NextClick() { ShowSet(index_ + 1); }

    QListWidget* Memo1 = nullptr;     // the labels
    QListWidget* ListBox1 = nullptr;  // the values
    QLabel* Label4 = nullptr;         // "El-Set: " + index
    QPushButton* btnPrev = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* Button1 = nullptr;  // "Quit"

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const orbit::SetTable& sets_;
    int index_ = 1;
};

}  // namespace orbivox
