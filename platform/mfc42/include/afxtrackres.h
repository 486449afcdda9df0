// Resource ids of the class library's standard tracker cursors; the
// application's resource script carries the cursors, the tracker code
// finds them through the resource search.
#pragma once

#define AFX_IDC_TRACKNWSE  30983   // top-left and bottom-right handles
#define AFX_IDC_TRACKNESW  30984   // top-right and bottom-left handles
#define AFX_IDC_TRACKNS    30985   // top and bottom handles
#define AFX_IDC_TRACKWE    30986   // left and right handles
#define AFX_IDC_TRACK4WAY  30987   // inside: moves the whole rectangle
#define AFX_IDC_MOVE4WAY   30988   // the hatched border: moves it as well
