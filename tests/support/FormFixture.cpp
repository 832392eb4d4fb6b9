#include "FormFixture.h"

#include "framework/Cursor.h"

namespace testing_support {

void FormFixture::SetUp() {
    framework::SetAppCursor(framework::crDefault);
    createForm();
}

void FormFixture::TearDown() {
    form.reset();
    framework::SetAppCursor(framework::crDefault);
}

void FormFixture::createForm() {
    form.reset();
    form = std::make_unique<TFormMain>([this] { return now; });
    form->setUrlOpener([](const QUrl&) {});
}

void FormFixture::expectRefused(const RefusedInput& input, const std::function<void()>& prepare) {
    SCOPED_TRACE(input.button);
    createForm();
    if (prepare)
        prepare();
    for (const auto& [box, value] : input.typed)
        type(box, value);
    messages.clear();
    device.clearCalls();
    click(input.button);
    EXPECT_THAT(calls(), ::testing::IsEmpty());
    EXPECT_THAT(boxes(), ::testing::ElementsAre(ExceptionBox(input.operation, input.message)));
}

void FormFixture::type(const QString& edit, const QString& value) const {
    find<QLineEdit>(edit)->setText(value);
}

QString FormFixture::text(const QString& edit) const {
    return find<QLineEdit>(edit)->text();
}

void FormFixture::click(const QString& button) const {
    auto* b = find<QAbstractButton>(button);
    EXPECT_TRUE(b->isEnabled()) << button.toStdString() << " is disabled";
    b->click();
}

void FormFixture::check(const QString& box, bool checked) const {
    find<QAbstractButton>(box)->setChecked(checked);
}

void FormFixture::select(const QString& combo, int index) const {
    find<QComboBox>(combo)->setCurrentIndex(index);
}

} // namespace testing_support
