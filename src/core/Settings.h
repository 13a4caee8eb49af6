#pragma once

#include <QString>
#include <array>

class QImage;

struct TEmailAccount
{
    QString AccountName;
    bool AccountAsDefault = false;
    QString SMTPServer;
    int SMTPPort = 25;
    QString YourEmail;
    QString UserName;
    QString UserCC;
};

// Every key of the settings file, one field each. Held by the main window; other windows change the
// fields, and only Save writes the file.
struct TSettings
{
    std::array<TEmailAccount, 3> Accounts; // accounts 1..3
    QString CurrencySymbol = QStringLiteral("$");
    int Size = 1; // paper: 1 Letter, anything else A4
    int DefaultLeadTimeDays = 14;
    bool UseCustomCompanyLogo = false;
    QString CustomCompanyLogoPath;
    bool StretchCompanyLogo = true;
    bool ShowTutorial = true;
    bool ShowTips = true;
    std::array<int, 3> DemoCustomerID{};
    std::array<int, 3> DemoStateID{};
    std::array<int, 8> DemoProductID{};
    std::array<int, 3> DemoOrderID{};
    std::array<int, 8> DemoOrderItemID{};
    std::array<int, 7> DemoTaskItemID{};
    bool DemoEntryAdded = false;
    bool GenerateInternalOrderNo = true;
    int NextInternalOrderNo = 1;
    QString InternalOrderPrefix = QStringLiteral("W");
    QString Name;
    QString Company;
    bool UseAlternateWebUpdate = false;
    bool WeeklyCheck = true;
    int LastWeeklyCheck = 0; // whole day number
    bool FirstRun = true;
    bool RegisterAct = true;
    QString CustomerOrderReportTitle = QStringLiteral("Packing List");
    bool PellomarDebugMode = false;
    QString CompanyAddress1, CompanyAddress2, CompanyAddress3, CompanyCity, CompanyRegion, CompanyPostcode,
        CompanyCountry, CompanyTel, CompanyFax;
    bool PrintOrderPricesAndTotals = true;
    QString OrderPrintoutAdditionalText = QStringLiteral(
        "This document shows product values only for declaration purposes; costs of taxes and duties are not "
        "shown.");

    TSettings();
    TEmailAccount& account(int number) { return Accounts[size_t(number - 1)]; }
    const TEmailAccount& account(int number) const { return Accounts[size_t(number - 1)]; }
    bool isLetterPaper() const { return Size == 1; }

    // Reads every key; missing keys and unreadable values give the defaults.
    void Load(const QString& fileName);
    // Writes every key back in table order, keeping other sections (window position) as they are.
    bool Save(const QString& fileName) const;
};

// Fills the bitmap with the company logo for printouts: the custom logo when chosen and present, else
// the default logo of the program directory, else white.
void LoadCompanyLogo(const TSettings& settings, QImage& bitmap);
