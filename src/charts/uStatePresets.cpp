#include "charts/uStatePresets.h"

#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QHash>

namespace {
const QString Greeting = QStringLiteral("Dear [SALUTATION]");
const QString Thanks = QStringLiteral("Thanks.");
const QString KeepUpdated = QStringLiteral("We will keep you updated as the order progresses.");

const QHash<QString, QString>& emailTexts()
{
    static const QHash<QString, QString> texts{
        {"A",
         JoinParagraphs({Greeting,
                         "We acknowledge receipt of your order [CUSTOMER_ORDER_NO].  This order is due to be "
                         "dispatched on [ORDER_DUE_DATE].  " +
                             KeepUpdated,
                         Thanks})},
        {"B", JoinParagraphs(
                  {Greeting,
                   "The stock for your order [CUSTOMER_ORDER_NO] has been allocated. This stock will be "
                   "packed and dispatched in due course.  This order is due to be dispatched on "
                   "[ORDER_DUE_DATE].  " +
                       KeepUpdated,
                   Thanks})},
        {"C",
         JoinParagraphs({Greeting,
                         "The stock for your order [CUSTOMER_ORDER_NO] has been packed ready for dispatch.  "
                         "This order is due to be dispatched on [ORDER_DUE_DATE].  " +
                             KeepUpdated,
                         Thanks})},
        {"D",
         JoinParagraphs({Greeting,
                         "Your order [CUSTOMER_ORDER_NO] has been dispatched.  The details of the 'shipment' "
                         "are available upon request.",
                         Thanks})},
        {"M", JoinParagraphs(
                  {Greeting,
                   "Your order [CUSTOMER_ORDER_NO] has been manufactured and will be tested, packed, and "
                   "dispatched in due course.  " +
                       KeepUpdated,
                   Thanks})},
        {"T", JoinParagraphs(
                  {Greeting + ",",
                   "Your order [CUSTOMER_ORDER_NO] has been tested and will be packed and dispatched in "
                   "due course.  " +
                       KeepUpdated,
                   Thanks})},
        {"R1", JoinParagraphs(
                   {Greeting,
                    "Your order [CUSTOMER_ORDER_NO] for the repair of your television has been allocated "
                    "the return reference number of RMA[INTERNAL_ORDER_NO].  We will arrange for the "
                    "television to be collected from your premises.  " +
                        KeepUpdated,
                    Thanks})},
        {"R2", JoinParagraphs({Greeting, "Your order [CUSTOMER_ORDER_NO]:",
                               "The television for repair has been received at our premises.  " + KeepUpdated,
                               Thanks})},
        {"R3", JoinParagraphs(
                   {Greeting, "Your order [CUSTOMER_ORDER_NO]:",
                    "Your television has been repaired  and is presently being packaged and prepared for "
                    "return.  " +
                        KeepUpdated,
                    Thanks})},
        {"R4",
         JoinParagraphs({Greeting,
                         "Your order [CUSTOMER_ORDER_NO] has been re-dispatched to you.  The details of the "
                         "'shipment' are available upon request.",
                         Thanks})},
    };
    return texts;
}

TPresetStage stage(const char* text, bool prompt, const char* emailName)
{
    return TPresetStage{QString::fromLatin1(text), prompt, PresetEmailText(QString::fromLatin1(emailName))};
}
} // namespace

QString JoinParagraphs(const QStringList& paragraphs)
{
    return paragraphs.join(QStringLiteral("\r\r"));
}

QString PresetEmailText(const QString& name)
{
    return emailTexts().value(name);
}

QVector<TPresetStage> PresetStages(int preset)
{
    switch (preset) {
    case spStandard:
        return {stage("Acknowledge", true, "A"), stage("Allocate Stock", true, "B"), stage("Pack", true, "C"),
                stage("Dispatch", true, "D")};
    case spManufacture:
        return {stage("Acknowledge", true, "A"), stage("Manufacture", true, "M"), stage("Test", true, "T"),
                stage("Pack", true, "C"), stage("Dispatch", true, "D")};
    case spRepair:
        return {stage("Acknowledge", true, "A"), stage("Allocate Return No.", true, "R1"),
                stage("Collect", false, ""),     stage("Received", true, "R2"),
                stage("Repair", true, "R3"),     stage("Re-dispatch", true, "R4")};
    default:
        return {};
    }
}

QVector<TPresetStage> DefaultTemplateStages()
{
    return {stage("Acknowledge", true, "A"),
            TPresetStage{
                QStringLiteral("Allocate Stock"), true,
                JoinParagraphs({Greeting,
                                "The stock for your order [CUSTOMER_ORDER_NO] has been allocated. This will "
                                "be packed and dispatched in due course.  This order is due to be "
                                "dispatched on [ORDER_DUE_DATE].  " +
                                    KeepUpdated,
                                Thanks})},
            stage("Pack", true, "C"),
            TPresetStage{
                QStringLiteral("Dispatch"), true,
                JoinParagraphs({Greeting,
                                "Your order [CUSTOMER_ORDER_NO] has been dispatched.  The details of the "
                                "shipment are available upon request.",
                                Thanks})}};
}

int AddPresetStatesRow(int preset)
{
    TParams values;
    if (preset == spStandard || preset == spManufacture || preset == spRepair) {
        const QVector<TPresetStage> stages = PresetStages(preset);
        for (int n = 1; n <= 7; ++n) {
            // Stages past the set keep the e-mail prompt on, as the stored presets always had it.
            const TPresetStage s = n <= stages.size() ? stages.at(n - 1) : TPresetStage{};
            const QString p = QStringLiteral("State") + QString::number(n);
            values.append({p + "Text", s.Text});
            values.append({p + "EmailText", s.EmailText});
            values.append({p + "EmailPrompt", s.EmailPrompt});
            values.append({p + "Completed", false});
            values.append({p + "Emailed", false});
            values.append({p + "EmailedDate", 0.0});
            values.append({p + "CompletedDate", 0.0});
        }
    }
    try {
        const int id =
            values.isEmpty()
                ? Db::exec(QStringLiteral("insert into States default values")).lastInsertId().toInt()
                : Db::insert(QStringLiteral("States"), values);
        if (id > 0)
            return id;
    } catch (const DbError&) {
    }
    ShowPlainMessage(QStringLiteral("An Error occurred while adding the New State."));
    return 0;
}
