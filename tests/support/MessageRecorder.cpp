#include "MessageRecorder.h"

namespace testing_support {

std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    return out << "[" << box.caption.toStdString() << " | " << box.text.toStdString() << " | " << box.style
               << "]";
}

ShownBox ErrorBox(const QString& text) {
    return {QStringLiteral("Error"), text, framework::mbStop};
}

ShownBox ExceptionBox(const QString& operation, const QString& message) {
    return {QStringLiteral("Error"), operation + QStringLiteral(": raised Exception. Message:\n") + message,
            framework::mbInformation};
}

ShownBox QuestionBox(const QString& text) {
    return {QStringLiteral("Question"), text, framework::mbYesNoQuestion};
}

MessageRecorder::MessageRecorder() {
    previous_ =
        framework::SetMessageBoxHandler([this](const QString& caption, const QString& text, int style) {
            boxes_.push_back({caption, text, style});
            if (onShow)
                onShow(boxes_.back());
            if (style != framework::mbYesNoQuestion)
                return int(framework::idOk);
            if (answers_.empty())
                return int(framework::idYes);
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
}

MessageRecorder::~MessageRecorder() {
    framework::SetMessageBoxHandler(previous_);
}

} // namespace testing_support
