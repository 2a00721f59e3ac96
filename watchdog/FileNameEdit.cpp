#include "watchdog/FileNameEdit.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

#include "shell/ModalWindows.h"

namespace {

// The local path a drop carries: the first local file of its URLs, or a file:// text.
QString DroppedPath(const QMimeData* mime) {
    if (mime->hasUrls()) {
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile()) return QDir::toNativeSeparators(url.toLocalFile());
    }
    if (mime->hasText()) {
        const QUrl url(mime->text().trimmed());
        if (url.isLocalFile()) return QDir::toNativeSeparators(url.toLocalFile());
    }
    return {};
}

}  // namespace

void DropPathLineEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QLineEdit::dragEnterEvent(event);
}

void DropPathLineEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedPath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QLineEdit::dragMoveEvent(event);
}

void DropPathLineEdit::dropEvent(QDropEvent* event) {
    const QString path = DroppedPath(event->mimeData());
    if (path.isEmpty()) return QLineEdit::dropEvent(event);
    setText(path);
    event->acceptProposedAction();
}

FileNameEdit::FileNameEdit(const QString& filter, QWidget* parent)
    : QWidget(parent),
      edit_(new DropPathLineEdit(this)),
      browse_(new QToolButton(this)),
      filter_(filter) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(browse_);
    browse_->setText(QStringLiteral("..."));
    browse_->setToolTip(QStringLiteral("Procurar"));
    browse_->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(edit_);
    connect(browse_, &QToolButton::clicked, this, &FileNameEdit::Browse);
}

QString FileNameEdit::text() const {
    return edit_->text();
}
void FileNameEdit::setText(const QString& text) {
    edit_->setText(text);
}
void FileNameEdit::clear() {
    edit_->clear();
}

QString FileNameEdit::StartFolder(const QString& text) {
    QString path = text.trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (path.isEmpty()) return {};
    const QFileInfo info(path);
    if (info.isDir()) return info.absoluteFilePath();
    const QString folder = info.absolutePath();
    return QFileInfo(folder).isDir() && !QFileInfo(path).path().isEmpty() ? folder : QString();
}

void FileNameEdit::Browse() {
    QFileDialog dialog(window(), QStringLiteral("Abrir"), StartFolder(text()), filter_);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}
