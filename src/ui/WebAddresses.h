// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace vsm {

// Every web address the program opens, in one place.
namespace WebAddresses {

inline const QString kHome = QStringLiteral("https://vessomar.org");
inline QString product() { return kHome + QStringLiteral("/download"); }  // where updates appear
inline QString languages() { return kHome + QStringLiteral("/languages"); }
inline QString donation() { return kHome + QStringLiteral("/donate"); }

// Public sites where covers and album art can be looked up; each caption names
// its site.
struct CoverSearchSite {
    QString caption;
    QString address;
};

inline QList<CoverSearchSite> coverSearchSites() {
    return {
        {QStringLiteral("MusicBrainz"), QStringLiteral("https://musicbrainz.org/search")},
        {QStringLiteral("Discogs"), QStringLiteral("https://www.discogs.com/search/")},
        {QStringLiteral("Cover Art Archive"), QStringLiteral("https://coverartarchive.org/")},
        {QStringLiteral("The Movie Database"), QStringLiteral("https://www.themoviedb.org/search")},
        {QStringLiteral("MobyGames"), QStringLiteral("https://www.mobygames.com/search/")},
    };
}

}  // namespace WebAddresses

}  // namespace vsm
