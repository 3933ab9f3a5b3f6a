#include "hostdata/settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvo {
namespace {

template <typename T>
Opt<T> None() {
    return {};
}

TEST(Settings, TextFieldsKeepTheirCapacity) {
    FieldText<4> field;
    EXPECT_EQ(field.Get(), "") << "starts empty";
    field.Set("abcd");
    EXPECT_EQ(field.Get(), "abcd");
    field.Set("abcdefgh");
    EXPECT_EQ(field.Get(), "abcd");
    field.Set("x");
    EXPECT_EQ(field.Get(), "x") << "the rest of the longer text is gone";
    field.Set("");
    EXPECT_EQ(field.Get(), "");
}

TEST(Settings, TextPropertiesAnswerStoredOrPrevious) {
    DskInit();
    UsrInit();
    auto title = TextProperty<&Desktop, &DesktopRecord::title, Answer::Stored>;
    EXPECT_EQ(title(Given<const char*>("Orders")), "Orders");
    EXPECT_EQ(title(None<const char*>()), "Orders");
    auto name = TextProperty<&User, &UserRecord::name, Answer::Previous>;
    EXPECT_EQ(name(Given<const char*>("Ann")), "");
    EXPECT_EQ(name(Given<const char*>("Bob")), "Ann");
    EXPECT_EQ(name(None<const char*>()), "Bob");

    const std::string long_text(300, 'z');
    EXPECT_EQ(title(Given(long_text.c_str())), std::string(264, 'z'));
    auto fill = TextProperty<&Desktop, &DesktopRecord::fill, Answer::Stored>;
    EXPECT_EQ(fill(Given(long_text.c_str())), std::string(64, 'z'));
    EXPECT_EQ(name(Given(long_text.c_str())), "Bob");
    EXPECT_EQ(name(None<const char*>()), std::string(60, 'z'));
}

TEST(Settings, ValuePropertiesAnswerThePrevious) {
    DskInit();
    auto height = ValueProperty<&Desktop, &DesktopRecord::height, double>;
    EXPECT_EQ(height(Given(480.5)), 0);
    EXPECT_EQ(height(None<double>()), 480.5);
    auto maximized = ValueProperty<&Desktop, &DesktopRecord::maximized, bool>;
    EXPECT_FALSE(maximized(Given(true)));
    EXPECT_TRUE(maximized(Given(false)));
    EXPECT_FALSE(maximized(None<bool>()));
    auto level = ValueProperty<&User, &UserRecord::level, std::int32_t>;
    level(Given<std::int32_t>(-2147483647 - 1));
    EXPECT_EQ(level(None<std::int32_t>()), -2147483647 - 1);
}

TEST(Settings, InitClearsItsRecordOnly) {
    Font().size = 12;
    Font().name.Set("Arial");
    Help().code = 7;
    EXPECT_TRUE(FntInit());
    EXPECT_EQ(Font().size, 0);
    EXPECT_EQ(Font().name.Get(), "");
    EXPECT_EQ(Help().code, 7) << "other records keep theirs";

    User().level = 3;
    User().number = 9;
    User().name.Set("Ann");
    User().company.Set("Acme");
    User().cargo.Set("x");
    EXPECT_TRUE(UsrInit());
    EXPECT_EQ(User().level, 3) << "USR_INIT keeps the level";
    EXPECT_EQ(User().number, 0);
    EXPECT_EQ(User().name.Get() + User().company.Get() + User().cargo.Get(), "");

    Version().alpha = true;
    Version().counter = 4;
    EXPECT_TRUE(VerInit());
    EXPECT_FALSE(Version().alpha);
    EXPECT_EQ(Version().counter, 0);
}

TEST(Settings, ReleaseFlagsExcludeEachOther) {
    VerInit();
    auto alpha = ReleaseFlag<&VersionRecord::alpha>;
    auto beta = ReleaseFlag<&VersionRecord::beta>;
    auto prerelease = ReleaseFlag<&VersionRecord::prerelease>;
    EXPECT_FALSE(alpha(Given(true)));
    EXPECT_FALSE(beta(Given(true))) << "answers its own previous value";
    EXPECT_FALSE(alpha(None<bool>())) << "storing .T. in BETA cleared ALPHA";
    EXPECT_TRUE(beta(Given(false)));
    EXPECT_FALSE(beta(None<bool>()));
    prerelease(Given(true));
    alpha(Given(false));
    EXPECT_TRUE(prerelease(None<bool>())) << "storing .F. leaves the others";
    EXPECT_FALSE(alpha(Given(true)));
    EXPECT_FALSE(prerelease(None<bool>()));
    EXPECT_TRUE(alpha(Given(true))) << "storing .T. again keeps it set";
    EXPECT_TRUE(alpha(None<bool>()));
}

TEST(Settings, MiscellaneousAnswers) {
    EXPECT_EQ(LibraryVersionLine(), "TARVO.FLL - Dasquin - 03 August 1998 17:25-v5.07");
    EXPECT_NEAR(BodyMassIndex(70, 175), 22.857142857, 1e-9);
    EXPECT_NEAR(BodyMassIndex(1, 3), 1111.111111111, 1e-6) << "no integer division";
    EXPECT_TRUE(std::isinf(BodyMassIndex(70, 0)));
    EXPECT_TRUE(std::isnan(BodyMassIndex(0, 0)));
    EXPECT_NEAR(BodyMassIndex(2147483647, -1), 2147483647.0 * 10000, 1);
    EXPECT_STREQ(VersionStringName(1), "ProductName");
    EXPECT_STREQ(VersionStringName(7), "LegalCopyright");
    EXPECT_STREQ(VersionStringName(12), "Comments");
    EXPECT_EQ(VersionStringName(0), nullptr);
    EXPECT_EQ(VersionStringName(13), nullptr);
    EXPECT_EQ(VersionStringName(-2147483647 - 1), nullptr);
}

}  // namespace
}  // namespace tarvo
