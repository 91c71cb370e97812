#pragma once

#include <QIcon>

// The application icon (a double helix above "BibTeX") in all its sizes.
QIcon AppIcon();
// The globe of the PubMed-page button.
QIcon GlobeIcon();
