// Resource ids of the layer's test application.
#define IDR_MAINFRAME        128
#define IDR_DOCTYPE          129
#define ID_TEST_VIEW         32770
#define ID_TEST_DOC          32771
#define ID_TEST_APP          32772
#define ID_TEST_DISABLED     32773
#define ID_TEST_CHECKED      32774
#define ID_TEST_VIEWDOC      32775
#define ID_TEST_CHILDMAIN    32776
#define ID_TEST_MAINAPP      32777
#define ID_TEST_DOCCHILD     32778
#define ID_INDICATOR_DOCS    0xE7F2
