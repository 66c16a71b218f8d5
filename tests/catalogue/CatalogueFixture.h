#pragma once
// A slot-I data folder copied from the bundled defaults into a scratch folder: group list,
// group files, source list and the bundled element file.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "catalogue/SatelliteChoice.h"
#include "tests/support/BundledData.h"

namespace orbivox {

class CatalogueFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        CopyBundledData(root.path());
        context.configFolder = root.path();
        context.mainDataFolder = root.path();
        context.sourceListPath = root.filePath("SatSources.SQF");
        context.slotNumeral = "I ";
        context.sourceMask = "*.txt";
        readOptions.conversion.century = 2000;
    }

    QString Kepler(const QString& name) const { return root.filePath("Kepler/" + name); }

    // The running selection as a start reads it: group 0 of the list.
    SelectionState StartSelection() const {
        SelectionState state;
        state.group = ReadGroupList(root.filePath("SatFiles.SQF")).value(0);
        state.sourceFile = ResolveSourcePath(ReadSourceList(context.sourceListPath).value(0),
                                             context.mainDataFolder);
        state.members = ReadGroupFile(FindGroupFile(context.configFolder, state.group));
        return state;
    }

    QTemporaryDir root;
    CatalogueContext context;
    orbit::ElementReadOptions readOptions;
};

}  // namespace orbivox
