#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// An INI file with Windows profile-string rules: the first "=" splits key and value, values are
// stored as they are, section and key names compare without regard to case, a section appears once
// and a new key goes to the end of its section.
class IniFile
{
public:
    explicit IniFile(const QString& fileName);

    // Reads the file if it exists; a missing or unreadable file is empty.
    void load();
    // Writes a new file and then replaces the old one, so a crash never leaves half a file.
    bool save() const;

    QString fileName() const { return m_fileName; }
    bool contains(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& def) const;
    int readInteger(const QString& section, const QString& key, int def) const;
    bool readBool(const QString& section, const QString& key, bool def) const;
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    QStringList sectionKeys(const QString& section) const;
    void eraseSection(const QString& section);
    QString text() const;

private:
    struct Entry
    {
        QString key;
        QString value;
        bool isComment = false; // any line kept verbatim
    };
    struct Section
    {
        QString name;
        QVector<Entry> entries;
    };
    const Section* findSection(const QString& name) const;
    Section& sectionFor(const QString& name);

    QString m_fileName;
    QVector<Section> m_sections; // the first may be nameless: lines before any section
};
