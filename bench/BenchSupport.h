// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace vsm::bench {

// A photo-like picture: smooth colour fields with fine noise, so that JPEG
// encoding and decoding cost what a real photo costs.
QImage photoLikePicture(int width, int height, unsigned seed);

double median(std::vector<double> values);
double percentile(std::vector<double> values, double p);

// Peak resident memory of this process so far, in MB.
double peakMegabytes();

}  // namespace vsm::bench
