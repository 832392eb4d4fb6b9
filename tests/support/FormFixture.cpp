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
    driver.drive(form.get());
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

} // namespace testing_support
