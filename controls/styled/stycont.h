// The container unit: the LZRW1/KH coder, chunk streams and the records'
// stream helpers and the items' payloads.
#pragma once

#include "controls/styled/stycont/ChunkStreams.h"
#include "controls/styled/stycont/Lzrw1kh.h"
#include "controls/styled/stycont/Payloads.h"
#include "controls/styled/stycont/StreamHelpers.h"
