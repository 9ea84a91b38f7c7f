#pragma once

#include "output/AssemblyAids.h"
#include "prefs/PreferenceStore.h"

// The assembly aids as they are stored between runs: "pdf_assemblyAids" holds four flags,
// glue strip, cut marks, labels and assembly page ("1_1_1_1"), and "pdf_glueStripLength" the
// strip width in the paper's unit as classic number text, empty for the default. Values
// that are missing or unreadable give the defaults (every aid on).
AssemblyAids readAssemblyAids(const PreferenceStore &store);
void writeAssemblyAids(const PreferenceStore &store, const AssemblyAids &aids);
