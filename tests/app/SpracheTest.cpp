// Qt's own texts appear in German, like the program's: the context menu that an
// edit field brings along.
#include "app/Sprache.h"

#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>

#include <memory>

TEST(Sprache, QtsEigeneTexteSindDeutsch)
{
    ASSERT_TRUE(LadeDeutscheQtTexte());
    EXPECT_TRUE(LadeDeutscheQtTexte()) << "a second call keeps the translation";

    QLineEdit feld(QStringLiteral("12"));
    const std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
    QStringList texte;
    for (QAction* a : menue->actions())
        texte << a->text().section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(texte.contains(QStringLiteral("Alles auswählen"))) << texte.join(QStringLiteral(" | ")).toStdString();
    EXPECT_FALSE(texte.contains(QStringLiteral("Select All")));
}
