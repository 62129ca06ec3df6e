<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MousecfgWidget</name>
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
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="54"/>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="54"/>
        <location filename="../../app/Pages.cpp" line="15"/>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="55"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="55"/>
        <location filename="../../app/Pages.cpp" line="23"/>
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
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="271"/>
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
        <location filename="../../lighting/TarnColorArea.cpp" line="166"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="287"/>
        <location filename="../../lighting/TarnColorArea.cpp" line="167"/>
        <source>Cancel</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="289"/>
        <source>Apply</source>
        <translation>APPLY</translation>
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
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="28"/>
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
        <location filename="../../performance/sensor/MouseSettingsLauncher.cpp" line="65"/>
        <source>Warning</source>
        <translation>WARNING</translation>
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
