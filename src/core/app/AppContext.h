#pragma once
// The one application object: every piece of state that lives for the whole run
// (the document and its file buffer, the radio images, configuration values,
// habits, version table, factory data, link state). It is created at start-up
// and handed by reference to whoever needs it; nothing else holds global state.

#include "app/Config.h"
#include "app/Habits.h"
#include "app/InstallPaths.h"
#include "app/TextCatalog.h"
#include "document/DocumentState.h"
#include "document/RadioDocument.h"
#include "document/RadioInfo.h"
#include "factory/TestData.h"
#include "files/VersionTable.h"
#include "image/ImageBuffers.h"
#include "link/LinkState.h"

namespace pmr {

struct AppContext {
    InstallPaths paths;
    Config config;
    Habits habits;
    TextCatalog texts;
    RadioDocument doc;        // the working copy every editor reads and writes
    RadioDocument fileBuffer; // the state last loaded or saved
    DocumentState docState;
    RadioInfo radioInfo;
    ImageBuffers images;
    VersionTable versions;
    FactoryData factory;
    LinkState link; // echo assumption, entered password, last identification
};

} // namespace pmr
