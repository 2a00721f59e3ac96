#include "support/ModalAnswers.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

ModalAnswers::ModalAnswers() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswers::poll);
    timer_.start();
}

ModalAnswers& ModalAnswers::then(Answer answer) {
    answers_.append(std::move(answer));
    return *this;
}

void ModalAnswers::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last_ || !modal->isVisible()) return;
    last_ = modal;
    titles << modal->windowTitle();
    auto* box = qobject_cast<QMessageBox*>(modal);
    texts << (box ? box->text() : QString());
    if (!answers_.isEmpty()) {
        answers_.takeFirst()(modal);
        return;
    }
    // A box nobody expected: note it and close it rather than hang the test.
    unexpected << modal->windowTitle();
    if (box && !box->buttons().isEmpty())
        box->buttons().last()->click();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

ModalAnswers::Answer ModalAnswers::click(int standardButton) {
    return [standardButton](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        QAbstractButton* button =
            box->button(static_cast<QMessageBox::StandardButton>(standardButton));
        QVERIFY(button);
        button->click();
    };
}

ModalAnswers::Answer ModalAnswers::press(int key) {
    return [key](QWidget* w) { QTest::keyClick(w, static_cast<Qt::Key>(key)); };
}

ModalAnswers::Answer ModalAnswers::type(const QString& text) {
    return [text](QWidget* w) {
        auto* edit = w->findChild<QLineEdit*>();
        QVERIFY(edit);
        QTest::keyClicks(edit, text);
        auto* buttons = w->findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        buttons->button(QDialogButtonBox::Ok)->click();
    };
}

ModalAnswers::Answer ModalAnswers::cancel() {
    return [](QWidget* w) {
        auto* buttons = w->findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        buttons->button(QDialogButtonBox::Cancel)->click();
    };
}

ModalAnswers::Answer ModalAnswers::closeWindow() {
    return [](QWidget* w) { w->close(); };
}
