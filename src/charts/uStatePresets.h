#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One stage of a fixed stage set.
struct TPresetStage
{
    QString Text;
    bool EmailPrompt = true;
    QString EmailText;
};

enum TStatePreset { spStandard = 0, spManufacture = 1, spRepair = 2 };

// Paragraphs of an e-mail text joined by two CR characters, the line breaks of stored texts.
QString JoinParagraphs(const QStringList& paragraphs);

// The e-mail texts of the presets by their short names "A", "B", "C", "D", "M", "T", "R1" to "R4";
// empty for any other name.
QString PresetEmailText(const QString& name);

// The stages of preset 0 (standard), 1 (manufacture) or 2 (repair); empty for any other number.
QVector<TPresetStage> PresetStages(int preset);

// The four stages offered when there is no chart template file. Two texts differ from preset 0.
QVector<TPresetStage> DefaultTemplateStages();

// Inserts a States row filled with a preset stage set and returns its key, or 0 after telling the
// user it failed. Any other preset number inserts a row with no column set.
int AddPresetStatesRow(int preset);
