#include "core/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

IniFile::IniFile(const QString& fileName) : m_fileName(fileName) {}

void IniFile::load()
{
    m_sections.clear();
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString content = QString::fromUtf8(file.readAll());
    Section* current = nullptr;
    for (QString line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.contains(']')) {
            const QString name = trimmed.mid(1, trimmed.indexOf(']') - 1).trimmed();
            current = &sectionFor(name);
            continue;
        }
        if (trimmed.isEmpty())
            continue;
        if (!current) {
            m_sections.prepend(Section{});
            current = &m_sections.first();
        }
        const int eq = line.indexOf('=');
        if (eq < 0 || trimmed.startsWith(';')) {
            current->entries.append(Entry{line, QString(), true});
            continue;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        bool replaced = false;
        for (Entry& e : current->entries) {
            if (!e.isComment && e.key.compare(key, Qt::CaseInsensitive) == 0) {
                replaced = true; // the first occurrence wins, as the profile functions read it
                break;
            }
        }
        if (!replaced)
            current->entries.append(Entry{key, value, false});
    }
}

bool IniFile::save() const
{
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text().toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

QString IniFile::text() const
{
    QString out;
    bool first = true;
    for (const Section& s : m_sections) {
        if (!s.name.isEmpty() || !first) {
            if (!first)
                out += QStringLiteral("\r\n");
            out += '[' + s.name + QStringLiteral("]\r\n");
        }
        for (const Entry& e : s.entries)
            out += (e.isComment ? e.key : e.key + '=' + e.value) + QStringLiteral("\r\n");
        first = false;
    }
    return out;
}

const IniFile::Section* IniFile::findSection(const QString& name) const
{
    for (const Section& s : m_sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

IniFile::Section& IniFile::sectionFor(const QString& name)
{
    for (Section& s : m_sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return s;
    m_sections.append(Section{name, {}});
    return m_sections.last();
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.isComment && e.key.compare(key, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.isComment && e.key.compare(key, Qt::CaseInsensitive) == 0)
                return e.value;
    return def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const
{
    const QString text = readString(section, key, QString());
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (ok)
        return value;
    if (text.trimmed().startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const int hex = text.trimmed().mid(2).toInt(&ok, 16);
        if (ok)
            return hex;
    }
    return def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    // A value is one line; line breaks would split it into a stray key on reading.
    QString oneLine = value;
    oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace('\r', ' ').replace('\n', ' ');
    Section& s = sectionFor(section);
    for (Entry& e : s.entries) {
        if (!e.isComment && e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = oneLine;
            return;
        }
    }
    s.entries.append(Entry{key, oneLine, false});
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList IniFile::sectionKeys(const QString& section) const
{
    QStringList keys;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.isComment)
                keys << e.key;
    return keys;
}

void IniFile::eraseSection(const QString& section)
{
    for (int i = 0; i < m_sections.size(); ++i)
        if (m_sections[i].name.compare(section, Qt::CaseInsensitive) == 0)
            m_sections.remove(i--);
}
