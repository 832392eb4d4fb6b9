#pragma once

// Replaces the console's message boxes: records caption, text and style of each box and answers
// it (OK for the error boxes; the queued answers, else Yes, for questions).

#include "framework/MessageBox.h"

#include <QString>
#include <deque>
#include <ostream>
#include <vector>

namespace testing_support {

struct ShownBox {
    QString caption;
    QString text;
    int style = 0;
    bool operator==(const ShownBox&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ShownBox& box);

// The boxes the operation framework shows.
ShownBox ErrorBox(const QString& text);                                  // "Error", style 16
ShownBox ExceptionBox(const QString& operation, const QString& message); // "Error", style 64
ShownBox QuestionBox(const QString& text);                               // "Question", style 36

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<ShownBox>& boxes() const { return boxes_; }
    void clear() { boxes_.clear(); }
    // Answers for the next questions (framework::idYes / idNo).
    void answerNext(int answer) { answers_.push_back(answer); }
    // Called while a box is "open": lets a test look at the state at that moment.
    std::function<void(const ShownBox&)> onShow;

private:
    std::vector<ShownBox> boxes_;
    std::deque<int> answers_;
    framework::MessageBoxHandler previous_;
};

} // namespace testing_support
