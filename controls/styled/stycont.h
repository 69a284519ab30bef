// The container unit: the LZRW1/KH coder, chunk streams, the records'
// stream helpers and the items' payloads; change links, containers and
// their items, image strips, the global container and container files.
#pragma once

#include "controls/styled/stycont/ChunkStreams.h"
#include "controls/styled/stycont/ContainerFiles.h"
#include "controls/styled/stycont/Containers.h"
#include "controls/styled/stycont/GlobalContainer.h"
#include "controls/styled/stycont/ImageStrip.h"
#include "controls/styled/stycont/ListItems.h"
#include "controls/styled/stycont/Lists.h"
#include "controls/styled/stycont/Lzrw1kh.h"
#include "controls/styled/stycont/Payloads.h"
#include "controls/styled/stycont/StreamHelpers.h"
