#include "plateforme/ServicesLinux.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

TEST(SingleInstance, TheSecondHolderSeesTheFirstUntilItEnds)
{
    QTemporaryDir dossier;
    const QString verrou = dossier.filePath(QStringLiteral("pedavin.lock"));
    auto premier = std::make_unique<InstanceUniqueFichier>(verrou);
    EXPECT_FALSE(premier->autreInstance());
    EXPECT_FALSE(premier->autreInstance()) << "asking again does not change the answer";
    {
        InstanceUniqueFichier second(verrou);
        EXPECT_TRUE(second.autreInstance());
    }
    premier.reset();
    InstanceUniqueFichier troisieme(verrou);
    EXPECT_FALSE(troisieme.autreInstance());
}

TEST(SingleInstance, ALockLeftByADeadProcessIsTakenOver)
{
    QTemporaryDir dossier;
    const QString verrou = dossier.filePath(QStringLiteral("pedavin.lock"));
    // What a crashed instance leaves: a lock file naming a process that is gone.
    QFile f(verrou);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("999999\npedavin\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();
    InstanceUniqueFichier instance(verrou);
    EXPECT_FALSE(instance.autreInstance());
}
