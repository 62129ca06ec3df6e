<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="73"/>
        <location filename="../../app/MousecfgWidget.cpp" line="351"/>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="120"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="121"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="232"/>
        <location filename="../../app/MousecfgWidget.cpp" line="355"/>
        <source>Press Enter To Apply</source>
        <translation>PRESS ENTER TO APPLY</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="356"/>
        <source>Version</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="360"/>
        <location filename="../../app/MousecfgWidget.cpp" line="547"/>
        <location filename="../../app/MousecfgWidget.cpp" line="548"/>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="505"/>
        <location filename="../../app/MousecfgWidget.cpp" line="719"/>
        <location filename="../../app/MousecfgWidget.cpp" line="724"/>
        <source>Warning</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="505"/>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="614"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="655"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="656"/>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="683"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="698"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="766"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="774"/>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="775"/>
        <location filename="../../app/MousecfgWidget.cpp" line="791"/>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="781"/>
        <source>The file already exists. Replace it?</source>
        <translation>The file already exists. Replace it?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="790"/>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="803"/>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="804"/>
        <location filename="../../app/MousecfgWidget.cpp" line="813"/>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="812"/>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="829"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="832"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="838"/>
        <source>The firmware updater could not be started.</source>
        <translation>The firmware updater could not be started.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="49"/>
        <location filename="../../app/Pages.cpp" line="10"/>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="49"/>
        <location filename="../../app/Pages.cpp" line="12"/>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="50"/>
        <location filename="../../app/Pages.cpp" line="14"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="50"/>
        <location filename="../../app/Pages.cpp" line="16"/>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="205"/>
        <source>Front</source>
        <translation>FRONT</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="206"/>
        <source>Side</source>
        <translation>SIDE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="250"/>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="252"/>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="254"/>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="258"/>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="260"/>
        <source>Reset All</source>
        <translation>RESET ALL</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="262"/>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="264"/>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="266"/>
        <source>Firmware Update</source>
        <translation>FIRMWARE UPDATE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="268"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="270"/>
        <source>Cancel</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="272"/>
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
