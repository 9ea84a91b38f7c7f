#include "output/AssemblyAidsSettings.h"

#include "common/NumberFormat.h"

namespace {

constexpr int kFlagCount = 4;

bool flagAt(const QStringList &flags, int index, bool otherwise)
{
    if (flags.size() != kFlagCount || (flags[index] != u'0' && flags[index] != u'1'))
        return otherwise;
    return flags[index] == u'1';
}

} // namespace

AssemblyAids readAssemblyAids(const PreferenceStore &store)
{
    AssemblyAids aids;
    const QStringList flags = store.GetPref(kPrefPdfAssemblyAids).split(u'_');
    aids.glueStrip = flagAt(flags, 0, aids.glueStrip);
    aids.cutMarks = flagAt(flags, 1, aids.cutMarks);
    aids.labels = flagAt(flags, 2, aids.labels);
    aids.assemblyPage = flagAt(flags, 3, aids.assemblyPage);
    const std::optional<double> length = parseDecimalText(store.GetPref(kPrefPdfGlueStripLength));
    if (length && *length >= 0.0)
        aids.glueStripLength = length;
    return aids;
}

void writeAssemblyAids(const PreferenceStore &store, const AssemblyAids &aids)
{
    QStringList flags;
    for (const bool on : {aids.glueStrip, aids.cutMarks, aids.labels, aids.assemblyPage})
        flags.append(on ? QStringLiteral("1") : QStringLiteral("0"));
    store.SavePref(kPrefPdfAssemblyAids, flags.join(u'_'));
    store.SavePref(kPrefPdfGlueStripLength, aids.glueStripLength ? basicNumberText(*aids.glueStripLength) : QString());
}
