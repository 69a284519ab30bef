// The library's classes: streams, lists, threads and the persistent objects.
#pragma once

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/lists/Lists.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/classes/threads/Thread.h"

// The object model, string lists and component streaming.
#include "platform/vcl/classes/components/Collection.h"
#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/components/Persistent.h"
#include "platform/vcl/classes/streaming/ComponentResources.h"
#include "platform/vcl/classes/streaming/Filer.h"
#include "platform/vcl/classes/streaming/Fixups.h"
#include "platform/vcl/classes/streaming/FormResources.h"
#include "platform/vcl/classes/streaming/Reader.h"
#include "platform/vcl/classes/streaming/ResourceStream.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "platform/vcl/classes/streaming/Writer.h"
#include "platform/vcl/classes/strings/StringList.h"
#include "platform/vcl/classes/strings/Strings.h"
#include "platform/vcl/classes/typeinfo/ClassDecl.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/typeinfo/IntegerIdents.h"
#include "platform/vcl/classes/typeinfo/Object.h"
#include "platform/vcl/classes/typeinfo/Published.h"
#include "platform/vcl/classes/typeinfo/Set.h"
