#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

// Answers the application-modal boxes a test opens, in order, so no test ever waits on one.
// Each answer gets the modal widget; its title is kept in `titles`.
class ModalAnswers : public QObject {
    Q_OBJECT

public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswers();
    ModalAnswers& then(Answer answer);
    int pending() const { return static_cast<int>(answers_.size()); }

    QStringList titles;
    QStringList texts;
    QStringList unexpected;  // boxes that came when no answer was left; closed at once

    // Ready-made answers.
    static Answer click(int standardButton);
    static Answer press(int key);
    static Answer type(const QString& text);  // types into the box's line edit, then OK
    static Answer cancel();
    static Answer closeWindow();

private:
    void poll();

    QTimer timer_;
    QList<Answer> answers_;
    QPointer<QWidget> last_;
};
