#pragma once

#include <QDir>
#include <QString>

/** The names, numbers, pages and folders that every part of the application shares. */
namespace Product {
    inline const QString organisationName = QStringLiteral("Vantorel");
    inline const QString displayName = QStringLiteral("Vantorel Kompresto");
    // The project's version, given by the build so that it is written in one place only.
    inline const QString version = QStringLiteral(KOMPRESTO_VERSION);
    inline const QString productNumber = QStringLiteral("10008");

    inline const QString siteAddress = QStringLiteral("https://www.vantorel.com");
    inline const QString userGuidePage = siteAddress + QStringLiteral("/vantorel-kompresto-user-guide.html");
    inline const QString supportPage = siteAddress + QStringLiteral("/support.html");
    inline const QString productPage = siteAddress + QStringLiteral("/kompresto.html");
    // The small version document the update service compares the running version with.
    inline const QString updateFeedAddress = siteAddress + QStringLiteral("/update/kompresto-10008.json");

    inline const QString settingsFileName = QStringLiteral("Kompresto.ini");

    // The folders hang off the home directory by plain concatenation, the same on every platform,
    // and are read from the home path at each call so that tests can point HOME elsewhere.
    inline const QString applicationDataBelowHome = QStringLiteral("/AppData/Roaming/Vantorel/Kompresto/");
    inline const QString logFolderBelowHome = applicationDataBelowHome + QStringLiteral("Log/");
    inline QString applicationDataFolder() { return QDir::homePath() + applicationDataBelowHome; }
    inline QString configFolder() { return applicationDataFolder() + QStringLiteral("Config/"); }
    inline QString logFolder() { return QDir::homePath() + logFolderBelowHome; }
    inline QString tempFolder() { return applicationDataFolder() + QStringLiteral("Temp/"); }
    inline QString settingsFilePath() { return configFolder() + settingsFileName; }
} // namespace Product
