#include "shell/ModalWindows.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace {

QPointer<QWidget>& Root() {
    static QPointer<QWidget> root;
    return root;
}

}  // namespace

void SetModalRoot(QWidget* root) {
    Root() = root;
}

QWidget* ModalParent() {
    if (QWidget* top = QApplication::activeModalWidget()) return top;
    return Root().data();
}

int ExecModal(QDialog& dialog) {
    if (dialog.parentWidget() == nullptr) {
        // setParent drops the window flags unless they are passed again.
        const Qt::WindowFlags flags = dialog.windowFlags();
        dialog.setParent(ModalParent(), flags);
    }
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}
