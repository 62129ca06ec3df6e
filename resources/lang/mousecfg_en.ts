<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Program Profiles</source>
        <translation>PROGRAM PROFILES</translation>
    </message>
    <message>
        <source>The program in front cannot be known in this session: profiles do not switch.</source>
        <translation>The program in front cannot be known in this session: profiles do not switch.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profile %1</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>REMOVE</translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation>Other programs:</translation>
    </message>
    <message>
        <source>Leave as is</source>
        <translation>Leave as is</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Cannot write the settings files.</source>
        <translation>Cannot write the settings files.</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>NO ACCESS</source>
        <translation>NO ACCESS</translation>
    </message>
    <message>
        <source>IN USE</source>
        <translation>IN USE</translation>
    </message>
    <message>
        <source>&amp;Program Profiles...</source>
        <translation>&amp;Program Profiles...</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Low battery</translation>
    </message>
    <message>
        <source>The mouse battery is at %1%. Charge it soon.</source>
        <translation>The mouse battery is at %1%. Charge it soon.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="67"/>
        <location filename="../../app/MousecfgWidget.cpp" line="369"/>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="116"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="117"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="118"/>
        <source>Start with the desktop</source>
        <translation>Start with the desktop</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="249"/>
        <location filename="../../app/MousecfgWidget.cpp" line="373"/>
        <source>Press Enter To Apply</source>
        <translation>PRESS ENTER TO APPLY</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="374"/>
        <source>Version</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="378"/>
        <location filename="../../app/MousecfgWidget.cpp" line="566"/>
        <location filename="../../app/MousecfgWidget.cpp" line="567"/>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="524"/>
        <location filename="../../app/MousecfgWidget.cpp" line="747"/>
        <location filename="../../app/MousecfgWidget.cpp" line="752"/>
        <source>Warning</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="524"/>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="633"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="666"/>
        <source>The stored settings were changed by another program. They are shown again now; please make your changes once more.</source>
        <translation>The stored settings were changed by another program. They are shown again now; please make your changes once more.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="683"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="684"/>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="711"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="726"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="794"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="802"/>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="803"/>
        <location filename="../../app/MousecfgWidget.cpp" line="819"/>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="809"/>
        <source>The file already exists. Replace it?</source>
        <translation>The file already exists. Replace it?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="818"/>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="831"/>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="832"/>
        <location filename="../../app/MousecfgWidget.cpp" line="841"/>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="840"/>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="857"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="860"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="866"/>
        <source>The firmware updater could not be started.</source>
        <translation>The firmware updater could not be started.</translation>
    </message>
    <message>
        <source>The changes have not been applied. Quit without them?</source>
        <translation>The changes have not been applied. Quit without them?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No permission to use the mouse: this user may not open %1.
Install the udev rule 70-mousecfg.rules once, then plug the mouse in again:
  mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules &gt;/dev/null &amp;&amp; sudo udevadm control --reload &amp;&amp; sudo udevadm trigger</source>
        <translation>No permission to use the mouse: this user may not open %1.
Install the udev rule 70-mousecfg.rules once, then plug the mouse in again:
  mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules &gt;/dev/null &amp;&amp; sudo udevadm control --reload &amp;&amp; sudo udevadm trigger</translation>
    </message>
    <message>
        <source>Give the program's class or executable name.</source>
        <translation>Give the program's class or executable name.</translation>
    </message>
    <message>
        <source>Give a profile number from 1 to 5.</source>
        <translation>Give a profile number from 1 to 5.</translation>
    </message>
    <message>
        <source>No more than %1 program rules.</source>
        <translation>No more than %1 program rules.</translation>
    </message>
    <message>
        <source>Cannot write the settings files.</source>
        <translation>Cannot write the settings files.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="54"/>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="54"/>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="55"/>
        <location filename="../../buttons/dialogs/TarnSniperWindow.cpp" line="82"/>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="121"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="55"/>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="222"/>
        <source>Front</source>
        <translation>FRONT</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="223"/>
        <source>Side</source>
        <translation>SIDE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="267"/>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="269"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="76"/>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="271"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="69"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="582"/>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="275"/>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="277"/>
        <source>Reset All</source>
        <translation>RESET ALL</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="279"/>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="281"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="601"/>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="283"/>
        <source>Firmware Update</source>
        <translation>FIRMWARE UPDATE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="285"/>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="155"/>
        <location filename="../../lighting/TarnColorArea.cpp" line="166"/>
        <location filename="../../buttons/dialogs/TarnSkinDialog.cpp" line="66"/>
        <location filename="../../buttons/keys/TarnKeyCaptureDialog.cpp" line="82"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="287"/>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="156"/>
        <location filename="../../lighting/TarnColorArea.cpp" line="167"/>
        <location filename="../../buttons/dialogs/TarnSkinDialog.cpp" line="67"/>
        <location filename="../../buttons/keys/TarnKeyCaptureDialog.cpp" line="83"/>
        <source>Cancel</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="289"/>
        <source>Apply</source>
        <translation>APPLY</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="971"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="15"/>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="16"/>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="18"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="19"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="20"/>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="21"/>
        <source>Cannot write the file.</source>
        <translation>Cannot write the file.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="22"/>
        <source>The profile list is full.</source>
        <translation>The profile list is full.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="23"/>
        <source>Invalid profile name.</source>
        <translation>Invalid profile name.</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="17"/>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="18"/>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="19"/>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="20"/>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="21"/>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="25"/>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="26"/>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="27"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="73"/>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="28"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="74"/>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <location filename="../../performance/dpi/TarnDPIWindow.cpp" line="113"/>
        <location filename="../../lighting/TarnColorWindow.cpp" line="333"/>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <location filename="../../performance/dpi/TarnDPIWindow.cpp" line="114"/>
        <location filename="../../lighting/TarnColorWindow.cpp" line="334"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
    <message>
        <location filename="../../performance/dpi/TarnDPIWindow.cpp" line="122"/>
        <location filename="../../lighting/TarnColorWindow.cpp" line="310"/>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <location filename="../../performance/dpi/TarnSingleDPI.cpp" line="200"/>
        <source>Link XY</source>
        <translation>LINK XY</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="86"/>
        <source>Gun Set</source>
        <translation>Gun Set</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="102"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="597"/>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="111"/>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="121"/>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="135"/>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="136"/>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="136"/>
        <source>+ DOWN / - UP</source>
        <translation>+ DOWN / - UP</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="137"/>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="137"/>
        <source>+ RIGHT / - LEFT</source>
        <translation>+ RIGHT / - LEFT</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="147"/>
        <source>VERTICAL: + DOWN / - UP     HORIZONTAL: + RIGHT / - LEFT</source>
        <translation>VERTICAL: + DOWN / - UP     HORIZONTAL: + RIGHT / - LEFT</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="189"/>
        <source>1 BULLET</source>
        <translation>1 BULLET</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="189"/>
        <source>%1 BULLETS</source>
        <translation>%1 BULLETS</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="237"/>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="243"/>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="307"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="887"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="1032"/>
        <location filename="../../performance/sensor/MouseSettingsLauncher.cpp" line="65"/>
        <location filename="../../buttons/dialogs/TarnSkinDialog.cpp" line="143"/>
        <source>Warning</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="237"/>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="244"/>
        <source>This name cannot be used as a file name.</source>
        <translation>This name cannot be used as a file name.</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="245"/>
        <source>Do not use / or \, nor . or .. alone.</source>
        <translation>Do not use / or \, nor . or .. alone.</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="282"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="732"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="742"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="803"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="893"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="968"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="1248"/>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="283"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="804"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="894"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="969"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="308"/>
        <source>The macro file could not be written.</source>
        <translation>The macro file could not be written.</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/MouseSettingsLauncher.cpp" line="72"/>
        <source>No mouse settings program was found.</source>
        <translation>No mouse settings program was found.</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="238"/>
        <source>Key Response</source>
        <translation>KEY RESPONSE</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="239"/>
        <source>Enable sync</source>
        <translation>ENABLE SYNC</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="240"/>
        <source>Lift Distance</source>
        <translation>LIFT DISTANCE</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="241"/>
        <source>1mm</source>
        <translation>1MM</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="242"/>
        <source>2mm</source>
        <translation>2MM</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="243"/>
        <source>Angle Snapping</source>
        <translation>ANGLE SNAPPING</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="244"/>
        <source>Jitter</source>
        <translation>JITTER</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="245"/>
        <source>Motion Wake</source>
        <translation>MOTION WAKE</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="246"/>
        <source>Sensor Mode</source>
        <translation>SENSOR MODE</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="247"/>
        <source>Eco</source>
        <translation>ECO</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="248"/>
        <source>Standard</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="249"/>
        <source>Competitive</source>
        <translation>COMPETITIVE</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="250"/>
        <source>Mouse Setting</source>
        <translation>MOUSE SETTING</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="25"/>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="26"/>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="27"/>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="28"/>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="119"/>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="121"/>
        <source>Lift off Distance</source>
        <translation>LIFT OFF DISTANCE</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="122"/>
        <source>1 mm</source>
        <translation>1 MM</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="123"/>
        <source>2 mm</source>
        <translation>2 MM</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorArea.cpp" line="164"/>
        <location filename="../../lighting/TarnColorArea.cpp" line="165"/>
        <source>Color Edit</source>
        <translation>COLOR EDIT</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="29"/>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="30"/>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="31"/>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="32"/>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="33"/>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="34"/>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="35"/>
        <source>Horizontal WAVE</source>
        <translation>HORIZONTAL WAVE</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="36"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>HORIZONTAL GO WITHOUT TRACE</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="37"/>
        <source>Raindrop</source>
        <translation>RAINDROP</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="38"/>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="39"/>
        <source>GO WITHOUT TRACE</source>
        <translation>GO WITHOUT TRACE</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="40"/>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="41"/>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="42"/>
        <source>Marbles</source>
        <translation>MARBLES</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="45"/>
        <source>UNKNOWN</source>
        <translation>UNKNOWN</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="329"/>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="330"/>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="331"/>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="332"/>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="70"/>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="71"/>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="72"/>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="75"/>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="77"/>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="78"/>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="82"/>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="94"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="83"/>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="94"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="84"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="570"/>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="571"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="584"/>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="572"/>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="576"/>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="577"/>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="581"/>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="583"/>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="585"/>
        <source>Only keys typed into this window are recorded.</source>
        <translation>Only keys typed into this window are recorded.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="589"/>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="590"/>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="591"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="592"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="593"/>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="596"/>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="598"/>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="599"/>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="600"/>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="602"/>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="603"/>
        <location filename="../../macros/page/MacroEventTable.cpp" line="49"/>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="604"/>
        <source>MOVEMENT</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="605"/>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="606"/>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="733"/>
        <source>THE MACRO HAS CHANGES THAT ARE NOT SAVED.</source>
        <translation>THE MACRO HAS CHANGES THAT ARE NOT SAVED.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="734"/>
        <source>DISCARD THEM?</source>
        <translation>DISCARD THEM?</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="743"/>
        <source>THIS NAME CANNOT BE USED FOR A MACRO.</source>
        <translation>THIS NAME CANNOT BE USED FOR A MACRO.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="744"/>
        <source>A NAME MUST NOT CONTAIN &quot;/&quot; OR BE &quot;..&quot;.</source>
        <translation>A NAME MUST NOT CONTAIN "/" OR BE "..".</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="877"/>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="878"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="941"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="887"/>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="935"/>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="1033"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="1249"/>
        <source>A MACRO HOLDS AT MOST %1 ACTIONS, OR %2 WITHOUT DELAYS.</source>
        <translation>A MACRO HOLDS AT MOST %1 ACTIONS, OR %2 WITHOUT DELAYS.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroEventTable.cpp" line="49"/>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroEventTable.cpp" line="49"/>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <location filename="../../macros/page/TarnMacroItemDelegate.cpp" line="62"/>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <location filename="../../macros/page/TarnMacroItemDelegate.cpp" line="62"/>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="56"/>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="63"/>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="104"/>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="14"/>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="104"/>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="15"/>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="104"/>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="16"/>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="105"/>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="143"/>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="146"/>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="148"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="269"/>
        <source>Press a key first.</source>
        <translation>Press a key first.</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="275"/>
        <source>Enter times and delay from 1 to 255.</source>
        <translation>Enter times and delay from 1 to 255.</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="68"/>
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="95"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="166"/>
        <source>Choose a macro first.</source>
        <translation>Choose a macro first.</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="172"/>
        <source>Enter a loop count.</source>
        <translation>Enter a loop count.</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnSniperWindow.cpp" line="64"/>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
    </message>
    <message>
        <location filename="../../buttons/keys/TarnComboKeyWindow.cpp" line="46"/>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <location filename="../../buttons/keys/TarnSingleKeyWindow.cpp" line="11"/>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="17"/>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="18"/>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="19"/>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="20"/>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="21"/>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="22"/>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="24"/>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="25"/>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="27"/>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="28"/>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="29"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="30"/>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="31"/>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="32"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="33"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="34"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="35"/>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="36"/>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="37"/>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="38"/>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="39"/>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="40"/>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="41"/>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="42"/>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="43"/>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="44"/>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="45"/>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="46"/>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="47"/>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="48"/>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="49"/>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="51"/>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="52"/>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="53"/>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="54"/>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="56"/>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="57"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="58"/>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="59"/>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="60"/>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="61"/>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="62"/>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="63"/>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="65"/>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="66"/>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="67"/>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="69"/>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="70"/>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="71"/>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="73"/>
        <source>Rate Switch</source>
        <translation>Rate Switch</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="74"/>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="75"/>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="113"/>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="115"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="117"/>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="119"/>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="123"/>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="125"/>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonDialogsDefault.cpp" line="79"/>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE SELECT</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonDialogsDefault.cpp" line="79"/>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
    <message>
        <source>This mouse has no %1 setting.</source>
        <translation>This mouse has no %1 setting.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; PLAYS ON %2.</source>
        <translation>&quot;%1&quot; PLAYS ON %2.</translation>
    </message>
    <message>
        <source>DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</source>
        <translation>DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</translation>
    </message>
    <message>
        <source>WHEEL UP</source>
        <translation>WHEEL UP</translation>
    </message>
    <message>
        <source>WHEEL DOWN</source>
        <translation>WHEEL DOWN</translation>
    </message>
    <message>
        <source>BUTTON %1</source>
        <translation>BUTTON %1</translation>
    </message>
    <message>
        <source>PROFILE %1 %2</source>
        <translation>PROFILE %1 %2</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE SAVED AS %1.</source>
        <translation>THE MACRO COULD NOT BE SAVED AS %1.</translation>
    </message>
    <message>
        <source>Under Wayland the desktop may keep its own shortcuts (such as Alt+Tab or Super).</source>
        <translation>Under Wayland the desktop may keep its own shortcuts (such as Alt+Tab or Super).</translation>
    </message>
    <message>
        <source>Under Wayland only keys typed into X11 windows, this one included, are recorded.</source>
        <translation>Under Wayland only keys typed into X11 windows, this one included, are recorded.</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <location filename="../../buttons/page/TarnBtnWindow.cpp" line="335"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../../buttons/page/TarnBtnWindow.cpp" line="335"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Left Button Can not be Gun Function.</translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
    <message>
        <location filename="../../widgets/TarnMessageBox.cpp" line="89"/>
        <source>Yes</source>
        <translation>YES</translation>
    </message>
    <message>
        <location filename="../../widgets/TarnMessageBox.cpp" line="89"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../widgets/TarnMessageBox.cpp" line="93"/>
        <source>No</source>
        <translation>NO</translation>
    </message>
</context>
</TS>
