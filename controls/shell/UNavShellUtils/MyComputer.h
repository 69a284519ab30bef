// My Computer's revalidation around device changes: the shell reads its
// drives again once, however many refreshes are nested inside.
#pragma once

// Raises EOleSysError when My Computer cannot be located or bound; does
// nothing while a refresh is running.
void RevalidateMyComputer();
void BeginMyComputerRefresh();
void EndMyComputerRefresh();
