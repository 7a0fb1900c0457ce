#pragma once
// Test-only payloads of the payload suite (tests/payload_test.rc). Each holds
// the text "This is sample content.\n" (24 bytes), or means to.
#define IDT_WHOLE 3000        // a complete SZDD file
#define IDT_EMPTY 3001        // a complete SZDD file of an empty file
#define IDT_PLAIN 3002        // the text without any SZDD header
#define IDT_WRONG_MAGIC 3003  // one byte of the magic changed
#define IDT_WRONG_MODE 3004   // mode 'B'
#define IDT_CUT_HEADER 3005   // the first 9 bytes of the header only
#define IDT_CUT_DATA 3006     // the data ends inside the second group
#define IDT_LONG_LENGTH 3007  // the header promises 40 bytes
#define IDT_MISSING 3099      // no such resource
