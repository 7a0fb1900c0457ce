#pragma once
// The catalogue's entries, group by group, in the order each group creates
// them: X(identifier, stored text in code page 1252).

#define PAGE_TEXTS(X) \
    X(MsgLicenceText, LicenceText) \
    X(MsgYes, "&Yes") \
    X(MsgNo, "&No") \
    X(MsgRemovePreviousVersions, "Note: You must remove all previous versions of the Redadi from your system before continuing with this installation.\r\n\r\n") \
    X(MsgPathInaccessible, "The given installation path cannot be accessed.  Please ensure that the path is valid and that you have write permission to the specified directory.") \
    X(MsgLowSpace, "There does not appear to be enough free space on the drive you are attempting to install on. Do you want continue the installation anyway? (Not recommended)") \
    X(MsgProxyNone, "None") \
    X(MsgProxyCern, "CERN") \
    X(MsgProxySocks, "SOCKS") \
    X(MsgProxyUserAtHost, "User@Host") \
    X(MsgProxyDiffers, "The proxy settings you have selected appear to be different from the settings used by your web browser.\r\n\r\nDo you want to continue anyway?") \
    X(MsgProxyIncomplete, "The %1 proxy settings are incomplete. If you choose any selection other than \"None\" then you must provide both a host and a port.") \
    X(MsgRegisterPrompt, "Please register your copy of %1.") \
    X(MsgFullNameLabel, "&Full name:") \
    X(MsgCompanyLabel, "Com&pany name:") \
    X(MsgEmailLabel, "&Email address:") \
    X(MsgZipCodeLabel, "&Zip code:") \
    X(MsgCountryLabel, "&Country:") \
    X(MsgMailingListsLabel, "Available Korvane mailing lists:") \
    X(MsgMailingList1, "&Download Dispatch : Weekly hotlist of free software and shareware additions to the Korvane download library") \
    X(MsgMailingList2, "Best of &Korvane : Zero in on the most useful, entertaining, and important tech stories every week") \
    X(MsgMailingList3, "K&orvane Announce : Receive notice of new product launches, discounts, online events, and more") \
    X(MsgAddToDesktop, "&Add %1 to the desktop") \
    X(MsgInstallPathLabel, "Install &path:") \
    X(MsgBrowse, "B&rowse...") \
    X(MsgProxyIntro, "Check whether your LAN or ISP use a proxy/firewall for security purposes when connecting to the Internet. If so, enter the address and port number of the HTTP proxy below.") \
    X(MsgProxyNote, "Note: If you haven't set up a proxy for your browser, you shouldn't need to do so here.") \
    X(MsgAddressLabel, "Address:") \
    X(MsgPortLabel, "Port:") \
    X(MsgHttpProxyLabel, "&HTTP proxy:")

#define INSTALL_TEXTS(X) \
    X(MsgFindMenuText, "&Email Addresses...") \
    X(MsgSearchMenuText, "For &Email Addresses...") \
    X(MsgHelpText, "Find email addresses on the Internet") \
    X(MsgInstallTitle, "%1 Installation") \
    X(MsgInstalling, "Installing...") \
    X(MsgInsufficientTempSpace, "Insufficient free drive space to complete installation.") \
    X(MsgModifyingRegistry, "Modifying registry...") \
    X(MsgAddingToFindMenu, "Adding to find menu...") \
    X(MsgSetupComplete, "Setup complete...") \
    X(MsgInstallFailed, "Installation failed - %1.") \
    X(MsgInstallComplete, "Installation complete. To start %1, go to the\r\nStart | %2 menu and select %3.") \
    X(MsgFind, "Find") \
    X(MsgSearch, "Search") \
    X(MsgUncompressing, "Uncompressing %1...") \
    X(MsgSearchDescription, "%1 Search") \
    X(MsgUnknownError, "Unknown error") \
    X(MsgCannotCreateFolder, "Unable to create destination directory") \
    X(MsgCannotCopy, "Unable to copy %1") \
    X(MsgCannotCopyInUse, "Unable to copy %1. Ensure that all instances of %2 are closed. If %2 isn't running, we recommend a reboot before installing") \
    X(MsgCannotUpdateRegistry, "Unable to update registry") \
    X(MsgProductName, "Tessaly")

#define WIZARD_BUTTON_TEXTS(X) \
    X(MsgBack, "< &Back") \
    X(MsgNext, "&Next >") \
    X(MsgFinish, "Finish") \
    X(MsgCancel, "Cancel") \
    X(MsgConfirmCancel, "Are you sure you wish to cancel the installation?")

// The country table's rows: COUNTRY(name) where the stored and the shown
// name are the same, RENAMED_COUNTRY(stored, shown) where they differ.
#define COUNTRIES(COUNTRY, RENAMED_COUNTRY) \
    COUNTRY("Other") \
    COUNTRY("Afghanistan") \
    COUNTRY("Albania") \
    COUNTRY("Algeria") \
    COUNTRY("American Samoa") \
    COUNTRY("Andorra") \
    COUNTRY("Angola") \
    COUNTRY("Anguilla") \
    COUNTRY("Antigua") \
    COUNTRY("Argentina") \
    COUNTRY("Armenia") \
    COUNTRY("Aruba") \
    COUNTRY("Ascension Island") \
    COUNTRY("Australia") \
    COUNTRY("Australian Antarctic Territory") \
    COUNTRY("Austria") \
    COUNTRY("Azerbaijan") \
    COUNTRY("Bahamas") \
    COUNTRY("Bahrain") \
    COUNTRY("Bangladesh") \
    COUNTRY("Barbados") \
    COUNTRY("Barbuda") \
    COUNTRY("Belarus") \
    COUNTRY("Belgium") \
    COUNTRY("Belize") \
    COUNTRY("Benin") \
    COUNTRY("Bermuda") \
    COUNTRY("Bhutan") \
    COUNTRY("Bolivia") \
    COUNTRY("Bosnia and Herzegovina") \
    COUNTRY("Botswana") \
    COUNTRY("Brazil") \
    COUNTRY("British Virgin Islands") \
    COUNTRY("Brunei") \
    COUNTRY("Bulgaria") \
    COUNTRY("Burkina Faso") \
    COUNTRY("Burundi") \
    COUNTRY("Cambodia") \
    COUNTRY("Cameroon") \
    COUNTRY("Canada") \
    COUNTRY("Cape Verde Islands") \
    COUNTRY("Cayman Islands") \
    COUNTRY("Central African Republic") \
    COUNTRY("Chad") \
    COUNTRY("Chile") \
    COUNTRY("China") \
    COUNTRY("Christmas Island") \
    COUNTRY("Cocos-Keeling Islands") \
    COUNTRY("Colombia") \
    COUNTRY("Comoros") \
    COUNTRY("Congo") \
    COUNTRY("Cook Islands") \
    COUNTRY("Costa Rica") \
    COUNTRY("Croatia") \
    COUNTRY("Cuba") \
    COUNTRY("Cyprus") \
    COUNTRY("Czech Republic") \
    COUNTRY("Denmark") \
    COUNTRY("Diego Garcia") \
    COUNTRY("Djibouti") \
    COUNTRY("Dominica") \
    COUNTRY("Dominican Republic") \
    COUNTRY("Ecuador") \
    COUNTRY("Egypt") \
    COUNTRY("El Salvador") \
    COUNTRY("Equatorial Guinea") \
    COUNTRY("Eritrea") \
    COUNTRY("Estonia") \
    COUNTRY("Ethiopia") \
    COUNTRY("Faeroe Islands") \
    COUNTRY("Falkland Islands") \
    COUNTRY("Fiji Islands") \
    COUNTRY("Finland") \
    COUNTRY("France") \
    COUNTRY("French Antilles") \
    COUNTRY("French Guiana") \
    COUNTRY("French Polynesia") \
    COUNTRY("Gabon") \
    COUNTRY("Gambia") \
    COUNTRY("Georgia") \
    COUNTRY("Germany") \
    COUNTRY("Ghana") \
    COUNTRY("Gibraltar") \
    COUNTRY("Greece") \
    COUNTRY("Greenland") \
    COUNTRY("Grenada") \
    COUNTRY("Guadeloupe") \
    COUNTRY("Guam") \
    COUNTRY("Guantanamo Bay") \
    COUNTRY("Guatemala") \
    COUNTRY("Guinea-Bissau") \
    COUNTRY("Guinea") \
    COUNTRY("Guyana") \
    COUNTRY("Haiti") \
    COUNTRY("Honduras") \
    COUNTRY("Hong Kong") \
    COUNTRY("Hungary") \
    COUNTRY("Iceland") \
    COUNTRY("India") \
    COUNTRY("Indonesia") \
    COUNTRY("Iran") \
    COUNTRY("Iraq") \
    COUNTRY("Ireland") \
    COUNTRY("Israel") \
    COUNTRY("Italy") \
    COUNTRY("Ivory Coast") \
    COUNTRY("Jamaica") \
    COUNTRY("Japan") \
    COUNTRY("Jordan") \
    COUNTRY("Kazakhstan") \
    COUNTRY("Kenya") \
    COUNTRY("Kiribati Republic") \
    COUNTRY("Korea (North)") \
    COUNTRY("Korea (Republic of)") \
    COUNTRY("Kuwait") \
    COUNTRY("Kyrgyz Republic") \
    COUNTRY("Laos") \
    COUNTRY("Latvia") \
    COUNTRY("Lebanon") \
    COUNTRY("Lesotho") \
    COUNTRY("Liberia") \
    COUNTRY("Libya") \
    COUNTRY("Liechtenstein") \
    COUNTRY("Lithuania") \
    COUNTRY("Luxembourg") \
    COUNTRY("Macau") \
    COUNTRY("Macedonia") \
    COUNTRY("Madagascar") \
    COUNTRY("Malawi") \
    COUNTRY("Malaysia") \
    COUNTRY("Maldives") \
    COUNTRY("Mali") \
    COUNTRY("Malta") \
    COUNTRY("Marshall Islands") \
    COUNTRY("Martinique") \
    COUNTRY("Mauritania") \
    COUNTRY("Mauritius") \
    COUNTRY("Mayotte Island") \
    COUNTRY("Mexico") \
    COUNTRY("Micronesia") \
    COUNTRY("Moldova") \
    COUNTRY("Monaco") \
    COUNTRY("Mongolia") \
    COUNTRY("Montserrat") \
    COUNTRY("Morocco") \
    COUNTRY("Mozambique") \
    COUNTRY("Myanmar") \
    COUNTRY("Namibia") \
    COUNTRY("Nauru") \
    COUNTRY("Nepal") \
    COUNTRY("Netherlands") \
    COUNTRY("Netherlands Antilles") \
    COUNTRY("Nevis") \
    COUNTRY("New Caledonia") \
    COUNTRY("New Zealand") \
    COUNTRY("Nicaragua") \
    COUNTRY("Niger") \
    COUNTRY("Nigeria") \
    COUNTRY("Niue") \
    COUNTRY("Norfolk Island") \
    COUNTRY("Norway") \
    COUNTRY("Oman") \
    COUNTRY("Pakistan") \
    COUNTRY("Palau") \
    COUNTRY("Panama") \
    COUNTRY("Papua New Guinea") \
    COUNTRY("Paraguay") \
    COUNTRY("Peru") \
    COUNTRY("Philippines") \
    COUNTRY("Poland") \
    COUNTRY("Portugal") \
    COUNTRY("Puerto Rico") \
    COUNTRY("Qatar") \
    COUNTRY("Reunion Island") \
    COUNTRY("Romania") \
    COUNTRY("Rota Island") \
    COUNTRY("Russia") \
    COUNTRY("Rwanda") \
    COUNTRY("Saint Lucia") \
    COUNTRY("Saipan Island") \
    COUNTRY("San Marino") \
    COUNTRY("Sao Tome and Principe") \
    COUNTRY("Saudi Arabia") \
    COUNTRY("Senegal Republic") \
    COUNTRY("Seychelle Islands") \
    COUNTRY("Sierra Leone") \
    COUNTRY("Singapore") \
    COUNTRY("Slovakia") \
    COUNTRY("Slovenia") \
    COUNTRY("Solomon Islands") \
    COUNTRY("Somalia") \
    COUNTRY("South Africa") \
    COUNTRY("Spain") \
    COUNTRY("Sri Lanka") \
    COUNTRY("St. Helena") \
    COUNTRY("St. Kitts") \
    COUNTRY("St. Pierre and Miquelon") \
    COUNTRY("St. Vincent and the Grenadines") \
    COUNTRY("Sudan") \
    COUNTRY("Suriname") \
    COUNTRY("Swaziland") \
    COUNTRY("Sweden") \
    COUNTRY("Switzerland") \
    COUNTRY("Syria") \
    COUNTRY("Taiwan, Republic of China") \
    COUNTRY("Tajikistan") \
    COUNTRY("Tanzania") \
    COUNTRY("Thailand") \
    COUNTRY("Tinian Island") \
    COUNTRY("Togo") \
    COUNTRY("Tokelau") \
    COUNTRY("Tonga") \
    COUNTRY("Trinidad and Tobago") \
    COUNTRY("Tunisia") \
    COUNTRY("Turkey") \
    COUNTRY("Turkmenistan") \
    COUNTRY("Turks and Caicos Islands") \
    COUNTRY("Tuvalu") \
    COUNTRY("Uganda") \
    COUNTRY("Ukraine") \
    COUNTRY("United Arab Emirates") \
    COUNTRY("United Kingdom") \
    RENAMED_COUNTRY("United States", "United States of America") \
    COUNTRY("United States Virgin Islands") \
    COUNTRY("Uruguay") \
    COUNTRY("Uzbekistan") \
    COUNTRY("Vanuatu") \
    COUNTRY("Vatican City") \
    COUNTRY("Venezuela") \
    COUNTRY("Vietnam") \
    COUNTRY("Wallis and Futuna Islands") \
    COUNTRY("Western Samoa") \
    COUNTRY("Yemen") \
    COUNTRY("Yugoslavia") \
    COUNTRY("Zaire") \
    COUNTRY("Zambia") \
    COUNTRY("Zimbabwe")
