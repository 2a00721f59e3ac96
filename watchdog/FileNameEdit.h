#pragma once

#include <QLineEdit>
#include <QWidget>

class QToolButton;

// A line edit that takes a file dropped from the file manager as its local path.
class DropPathLineEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// A file-name edit: the text, and a button that opens the system's file-open dialog in the
// folder of the path already typed (when it exists). Paths are never quoted.
class FileNameEdit : public QWidget {
    Q_OBJECT

public:
    FileNameEdit(const QString& filter, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    void clear();
    QLineEdit* lineEdit() const { return edit_; }
    QToolButton* browseButton() const { return browse_; }

    // The dialog's starting folder for `text`: its folder when that exists, else empty.
    static QString StartFolder(const QString& text);

private:
    void Browse();

    DropPathLineEdit* edit_;
    QToolButton* browse_;
    QString filter_;
};
