#pragma once

// The browser's certificate library (NSS) makes its database in the user's
// home, ~/.pki/nssdb, the first time a page comes over https, and Qt offers
// no way to keep it elsewhere. What the browser made there, where nothing
// was before it started, goes again when the program ends; a program that is
// killed leaves it behind.
//
// Call before the browser first starts; later calls do nothing.
void removeBrowserTracesAtExit();
