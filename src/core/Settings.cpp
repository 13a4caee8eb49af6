#include "core/Settings.h"

#include "core/DateTimeUtils.h"
#include "core/IniFile.h"
#include "core/ProgramDir.h"
#include "core/uPellomarShow.h"

#include <QFileInfo>
#include <QImage>
#include <functional>
#include <vector>

namespace {

struct SettingKey
{
    QString section;
    QString key;
    enum Kind { Text, Integer, Boolean } kind;
    void* field;
};

// The file's keys in the order they are read and written.
std::vector<SettingKey> settingKeys(TSettings& s)
{
    std::vector<SettingKey> keys;
    auto text = [&](const char* sec, const QString& key, QString& f) {
        keys.push_back({sec, key, SettingKey::Text, &f});
    };
    auto integer = [&](const char* sec, const QString& key, int& f) {
        keys.push_back({sec, key, SettingKey::Integer, &f});
    };
    auto boolean = [&](const char* sec, const QString& key, bool& f) {
        keys.push_back({sec, key, SettingKey::Boolean, &f});
    };
    auto numbered = [&](const char* sec, const char* stem, int* values, int count) {
        for (int i = 0; i < count; ++i)
            integer(sec, stem + QString::number(i + 1), values[i]);
    };

    for (int n = 1; n <= 3; ++n) {
        TEmailAccount& a = s.account(n);
        const QString d = QString::number(n);
        text("E-mail", "AccountName" + d, a.AccountName);
        boolean("E-mail", "AccountAsDefault" + d, a.AccountAsDefault);
        text("E-mail", "SMTPServer" + d, a.SMTPServer);
        integer("E-mail", "SMTPPort" + d, a.SMTPPort);
        text("E-mail", "YourEmail" + d, a.YourEmail);
        text("E-mail", "UserName" + d, a.UserName);
        text("E-mail", "UserCC" + d, a.UserCC);
    }
    text("Regional Settings", "CurrencySymbol", s.CurrencySymbol);
    integer("Paper", "Size", s.Size);
    integer("Order Settings", "DefaultLeadTimeDays", s.DefaultLeadTimeDays);
    boolean("Preferences", "UseCustomCompanyLogo", s.UseCustomCompanyLogo);
    text("Preferences", "CustomCompanyLogoPath", s.CustomCompanyLogoPath);
    boolean("Preferences", "StretchCompanyLogo", s.StretchCompanyLogo);
    boolean("Preferences", "ShowTutorial", s.ShowTutorial);
    boolean("Preferences", "ShowTips", s.ShowTips);
    numbered("DemoEntry", "DemoCustomerID", s.DemoCustomerID.data(), 3);
    numbered("DemoEntry", "DemoStateID", s.DemoStateID.data(), 3);
    numbered("DemoEntry", "DemoProductID", s.DemoProductID.data(), 8);
    numbered("DemoEntry", "DemoOrderID", s.DemoOrderID.data(), 3);
    numbered("DemoEntry", "DemoOrderItemID", s.DemoOrderItemID.data(), 8);
    numbered("DemoEntry", "DemoTaskItemID", s.DemoTaskItemID.data(), 7);
    boolean("DemoEntry", "DemoEntryAdded", s.DemoEntryAdded);
    boolean("Order Settings", "GenerateInternalOrderNo", s.GenerateInternalOrderNo);
    integer("Order Settings", "NextInternalOrderNo", s.NextInternalOrderNo);
    text("Order Settings", "InternalOrderPrefix", s.InternalOrderPrefix);
    text("Registration", "Name", s.Name);
    text("Registration", "Company", s.Company);
    boolean("WebUpdate", "UseAlternateWebUpdate", s.UseAlternateWebUpdate);
    boolean("WebUpdate", "WeeklyCheck", s.WeeklyCheck);
    integer("WebUpdate", "LastWeeklyCheck", s.LastWeeklyCheck);
    boolean("Preferences", "FirstRun", s.FirstRun);
    boolean("Preferences", "RegisterAct", s.RegisterAct);
    text("Preferences", "CustomerOrderReportTitle", s.CustomerOrderReportTitle);
    boolean("Preferences", "PellomarDebugMode", s.PellomarDebugMode);
    text("Preferences", "CompanyAddress1", s.CompanyAddress1);
    text("Preferences", "CompanyAddress2", s.CompanyAddress2);
    text("Preferences", "CompanyAddress3", s.CompanyAddress3);
    text("Preferences", "CompanyCity", s.CompanyCity);
    text("Preferences", "CompanyRegion", s.CompanyRegion);
    text("Preferences", "CompanyPostcode", s.CompanyPostcode);
    text("Preferences", "CompanyCountry", s.CompanyCountry);
    text("Preferences", "CompanyTel", s.CompanyTel);
    text("Preferences", "CompanyFax", s.CompanyFax);
    boolean("Preferences", "PrintOrderPricesAndTotals", s.PrintOrderPricesAndTotals);
    text("Preferences", "OrderPrintoutAdditionalText", s.OrderPrintoutAdditionalText);
    return keys;
}

} // namespace

TSettings::TSettings()
{
    Accounts[0].AccountAsDefault = true;
    LastWeeklyCheck = WholeDays(Now());
}

void TSettings::Load(const QString& fileName)
{
    IniFile ini(fileName);
    ini.load();
    const TSettings defaults;
    *this = defaults;
    for (const SettingKey& k : settingKeys(*this)) {
        switch (k.kind) {
        case SettingKey::Text: {
            QString& f = *static_cast<QString*>(k.field);
            f = ini.readString(k.section, k.key, f);
            break;
        }
        case SettingKey::Integer: {
            int& f = *static_cast<int*>(k.field);
            f = ini.readInteger(k.section, k.key, f);
            break;
        }
        case SettingKey::Boolean: {
            bool& f = *static_cast<bool*>(k.field);
            f = ini.readBool(k.section, k.key, f);
            break;
        }
        }
    }
}

bool TSettings::Save(const QString& fileName) const
{
    IniFile ini(fileName);
    ini.load();
    TSettings copy = *this;
    for (const SettingKey& k : settingKeys(copy)) {
        switch (k.kind) {
        case SettingKey::Text:
            ini.writeString(k.section, k.key, *static_cast<QString*>(k.field));
            break;
        case SettingKey::Integer:
            ini.writeInteger(k.section, k.key, *static_cast<int*>(k.field));
            break;
        case SettingKey::Boolean:
            ini.writeBool(k.section, k.key, *static_cast<bool*>(k.field));
            break;
        }
    }
    return ini.save();
}

void LoadCompanyLogo(const TSettings& settings, QImage& bitmap)
{
    try {
        const QString custom = settings.CustomCompanyLogoPath;
        const QString fallback = ProgramDir::file(ProgramFiles::DefaultLogo);
        QString chosen;
        if (settings.UseCustomCompanyLogo && !custom.isEmpty() && QFileInfo::exists(custom))
            chosen = custom;
        else if (QFileInfo::exists(fallback))
            chosen = fallback;
        if (!chosen.isEmpty()) {
            QImage loaded(chosen);
            if (loaded.isNull())
                throw std::runtime_error("unreadable logo");
            bitmap = loaded.convertToFormat(QImage::Format_ARGB32);
            return;
        }
        if (bitmap.isNull())
            bitmap = QImage(1, 1, QImage::Format_ARGB32);
        bitmap.fill(Qt::white);
    } catch (...) {
        ShowPlainMessage(QStringLiteral("An error occurred while accessing the Company Logo.\r\n\r\nPlease "
                                        "contact Tovrik Ltd for support."));
    }
}
