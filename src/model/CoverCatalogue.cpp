// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CoverCatalogue.h"

#include "common/ItemReader.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "common/TextFile.h"
#include "model/CaseKinds.h"

#include <QStringList>

namespace vsm {

namespace {

// Reads one item into a text field; the field is unchanged at the end of the file.
bool readText(ItemReader& reader, QString& field) {
    const auto item = reader.next();
    if (!item) return false;
    field = *item;
    return true;
}

// Reads one item into a 32-bit number field; an item whose number does not fit
// is consumed and leaves the field as it was.
bool readNumber(ItemReader& reader, std::int32_t& field) {
    const auto item = reader.next();
    if (!item) return false;
    if (const auto n = toIntegerHalfEven<std::int32_t>(leadingNumber(*item))) field = *n;
    return true;
}

bool readRecord(ItemReader& reader, CoverModel& m) {
    return readText(reader, m.modelTag) && readNumber(reader, m.zone1Width) &&
           readNumber(reader, m.zone1Height) && readText(reader, m.orientation) &&
           readNumber(reader, m.zone2Width) && readNumber(reader, m.zone2Height) &&
           readText(reader, m.shape) && readText(reader, m.spareText) &&
           readText(reader, m.zone1Left) && readText(reader, m.zone1Top) &&
           readText(reader, m.zone2Left) && readText(reader, m.zone2Top);
}

void appendRecord(QStringList& lines, const CoverModel& m) {
    const auto text = [](const QString& t) { return ItemReader::quoteIfNeeded(t); };
    const auto position = [](const QString& t) { return ItemReader::quoteIfNeeded(t.trimmed()); };
    lines << text(m.modelTag) << QString::number(m.zone1Width) << QString::number(m.zone1Height)
          << text(m.orientation) << QString::number(m.zone2Width)
          << QString::number(m.zone2Height) << text(m.shape) << text(m.spareText)
          << position(m.zone1Left) << position(m.zone1Top) << position(m.zone2Left)
          << position(m.zone2Top);
}

}  // namespace

bool CoverModel::operator==(const CoverModel& o) const {
    return modelTag == o.modelTag && zone1Width == o.zone1Width &&
           zone1Height == o.zone1Height && orientation == o.orientation &&
           zone2Width == o.zone2Width && zone2Height == o.zone2Height && shape == o.shape &&
           spareText == o.spareText && zone1Left == o.zone1Left && zone1Top == o.zone1Top &&
           zone2Left == o.zone2Left && zone2Top == o.zone2Top;
}

bool CoverCatalogue::operator==(const CoverCatalogue& o) const {
    return models == o.models && zone3Left == o.zone3Left && zone3Top == o.zone3Top &&
           modelCount == o.modelCount;
}

const CoverModel* CoverCatalogue::model(int i) const {
    return i >= 0 && i < kCapacity ? &models[static_cast<size_t>(i)] : nullptr;
}

CoverModel* CoverCatalogue::model(int i) {
    return i >= 0 && i < kCapacity ? &models[static_cast<size_t>(i)] : nullptr;
}

bool CoverCatalogue::load(const QString& path) {
    modelCount = kModelRecords;
    const auto text = TextFile::read(path);
    if (!text) return false;
    loadText(*text);
    return true;
}

void CoverCatalogue::loadText(const QString& text) {
    modelCount = kModelRecords;
    ItemReader reader(text);
    for (int i = 0; i <= kLastModelIndex; ++i) {
        if (!readRecord(reader, models[static_cast<size_t>(i)])) return;
        if (caseKind(i).thirdZone && !(readText(reader, zone3Left) && readText(reader, zone3Top)))
            return;
    }
}

bool CoverCatalogue::save(const QString& path) const {
    return TextFile::writeLines(path, lines());
}

QStringList CoverCatalogue::lines() const {
    QStringList lines;
    for (int i = 0; i <= kLastModelIndex; ++i) {
        appendRecord(lines, models[static_cast<size_t>(i)]);
        if (caseKind(i).thirdZone)
            lines << ItemReader::quoteIfNeeded(zone3Left.trimmed())
                  << ItemReader::quoteIfNeeded(zone3Top.trimmed());
    }
    return lines;
}

}  // namespace vsm
