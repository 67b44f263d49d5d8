// The administrator login: no password, a cancelled prompt, an empty answer, a wrong and a right one.
#include "admin/admin_login.h"
#include "admin/password_code.h"
#include "app/interaction.h"
#include "store/settings.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

class ScriptedPrompt : public PasswordPrompt {
public:
    std::optional<QString> InputQuery2() override
    {
        ++asked;
        return answer;
    }
    std::optional<QString> answer;
    int asked = 0;
};

TEST(AdministratorLogin, WithoutAStoredPasswordWarnsAndUnlocksThenOpensAdministration)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.path());
    ScriptedInteraction ui;
    ScriptedPrompt prompt;
    bool administrator = false;

    EXPECT_EQ(AdministratorLogin(administrator, settings, ui, prompt), LoginOutcome::Unlocked);
    EXPECT_TRUE(administrator);
    EXPECT_EQ(prompt.asked, 0);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].caption, "Administrare");
    EXPECT_EQ(ui.shown()[0].text, "        ATENTIE!\r\nNu aveti nici o parola!");
    EXPECT_EQ(ui.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(AdministratorLogin(administrator, settings, ui, prompt), LoginOutcome::OpenAdministration);
    EXPECT_EQ(ui.shown().size(), 1u);
}

TEST(AdministratorLogin, WithAStoredPassword)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.path());
    settings.WriteSetting("INIT", "WIN", CodeazaStr("Primaria1"));
    struct Case {
        std::optional<QString> typed;
        LoginOutcome outcome;
        bool administrator;
        const char* message;  // caption of the message shown, or nullptr
    };
    const std::vector<Case> cases{
        {std::nullopt, LoginOutcome::Cancelled, false, nullptr},
        {QString(), LoginOutcome::UnlockedForWork, false, "Bine ati venit!"},
        {QStringLiteral("primaria1"), LoginOutcome::WrongPassword, false, "Greseala!"},
        {QStringLiteral("Primaria1"), LoginOutcome::Unlocked, true, nullptr},
    };
    for (const Case& c : cases) {
        ScriptedInteraction ui;
        ScriptedPrompt prompt;
        prompt.answer = c.typed;
        bool administrator = false;
        EXPECT_EQ(AdministratorLogin(administrator, settings, ui, prompt), c.outcome);
        EXPECT_EQ(administrator, c.administrator);
        EXPECT_EQ(prompt.asked, 1);
        ASSERT_EQ(ui.shown().size(), c.message ? 1u : 0u);
        if (c.message)
            EXPECT_EQ(ui.shown()[0].caption, QString::fromLatin1(c.message));
    }
}

TEST(AdministratorLogin, NameCheckLooksAtTheTrimmedName)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.path());
    EXPECT_TRUE(administrationNameMissing(settings));
    settings.WriteSetting("CONST", "COMUNA", "   ");
    EXPECT_TRUE(administrationNameMissing(settings));
    settings.WriteSetting("CONST", "COMUNA", "Ciurea");
    EXPECT_FALSE(administrationNameMissing(settings));
}

}  // namespace
}  // namespace velmar
