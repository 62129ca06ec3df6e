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
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Start with the desktop</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>PRESS ENTER TO APPLY</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <source>The file already exists. Replace it?</source>
        <translation>The file already exists. Replace it?</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>The firmware updater could not be started.</translation>
    </message>
    <message>
        <source>The changes have not been applied. Quit without them?</source>
        <translation>The changes have not been applied. Quit without them?</translation>
    </message>
    <message>
        <source>The mouse battery is below 15%. Charge it soon.</source>
        <translation>The mouse battery is below 15%. Charge it soon.</translation>
    </message>
    <message>
        <source>The mouse battery is below 5% and will turn off soon. Charge it now.</source>
        <translation>The mouse battery is below 5% and will turn off soon. Charge it now.</translation>
    </message>
    <message>
        <source>Program Profiles</source>
        <translation>Program Profiles</translation>
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
        <source>Give the program&apos;s class or executable name.</source>
        <translation>Give the program&apos;s class or executable name.</translation>
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
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>FRONT</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>SIDE</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>RESET ALL</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>FIRMWARE UPDATE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>APPLY</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <source>Cannot write the file.</source>
        <translation>Cannot write the file.</translation>
    </message>
    <message>
        <source>The profile list is full.</source>
        <translation>The profile list is full.</translation>
    </message>
    <message>
        <source>Invalid profile name.</source>
        <translation>Invalid profile name.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>LINK XY</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>Gun Set</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
    </message>
    <message>
        <source>+ DOWN / - UP</source>
        <translation>+ DOWN / - UP</translation>
    </message>
    <message>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
    <message>
        <source>+ RIGHT / - LEFT</source>
        <translation>+ RIGHT / - LEFT</translation>
    </message>
    <message>
        <source>VERTICAL: + DOWN / - UP     HORIZONTAL: + RIGHT / - LEFT</source>
        <translation>VERTICAL: + DOWN / - UP     HORIZONTAL: + RIGHT / - LEFT</translation>
    </message>
    <message>
        <source>1 BULLET</source>
        <translation>1 BULLET</translation>
    </message>
    <message>
        <source>%1 BULLETS</source>
        <translation>%1 BULLETS</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>This name cannot be used as a file name.</translation>
    </message>
    <message>
        <source>Do not use / or \, nor . or .. alone.</source>
        <translation>Do not use / or \, nor . or .. alone.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <source>The macro file could not be written.</source>
        <translation>The macro file could not be written.</translation>
    </message>
    <message>
        <source>No mouse settings program was found.</source>
        <translation>No mouse settings program was found.</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>KEY RESPONSE</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>ENABLE SYNC</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>LIFT DISTANCE</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1MM</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2MM</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>ANGLE SNAPPING</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>JITTER</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>MOTION WAKE</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>SENSOR MODE</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>ECO</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>COMPETITIVE</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>MOUSE SETTING</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>LIFT OFF DISTANCE</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 MM</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 MM</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>COLOR EDIT</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>HORIZONTAL WAVE</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>HORIZONTAL GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>RAINDROP</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>MARBLES</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>UNKNOWN</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <source>Only keys typed into this window are recorded.</source>
        <translation>Only keys typed into this window are recorded.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <source>THE MACRO HAS CHANGES THAT ARE NOT SAVED.</source>
        <translation>THE MACRO HAS CHANGES THAT ARE NOT SAVED.</translation>
    </message>
    <message>
        <source>DISCARD THEM?</source>
        <translation>DISCARD THEM?</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED FOR A MACRO.</source>
        <translation>THIS NAME CANNOT BE USED FOR A MACRO.</translation>
    </message>
    <message>
        <source>A NAME MUST NOT CONTAIN &quot;/&quot; OR BE &quot;..&quot;.</source>
        <translation>A NAME MUST NOT CONTAIN &quot;/&quot; OR BE &quot;..&quot;.</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST %1 ACTIONS, OR %2 WITHOUT DELAYS.</source>
        <translation>A MACRO HOLDS AT MOST %1 ACTIONS, OR %2 WITHOUT DELAYS.</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Press a key first.</source>
        <translation>Press a key first.</translation>
    </message>
    <message>
        <source>Enter times and delay from 1 to 255.</source>
        <translation>Enter times and delay from 1 to 255.</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
    <message>
        <source>Choose a macro first.</source>
        <translation>Choose a macro first.</translation>
    </message>
    <message>
        <source>Enter a loop count.</source>
        <translation>Enter a loop count.</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Rate Switch</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE SELECT</translation>
    </message>
    <message>
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
    <message>
        <source>There is no profile %1.</source>
        <translation>There is no profile %1.</translation>
    </message>
    <message>
        <source>This mouse has no DPI level %1.</source>
        <translation>This mouse has no DPI level %1.</translation>
    </message>
    <message>
        <source>The sensor %1 takes one DPI for both axes.</source>
        <translation>The sensor %1 takes one DPI for both axes.</translation>
    </message>
    <message>
        <source>The report rate code %1 is not one the mouse knows.</source>
        <translation>The report rate code %1 is not one the mouse knows.</translation>
    </message>
    <message>
        <source>The sensor option %1 cannot be %2.</source>
        <translation>The sensor option %1 cannot be %2.</translation>
    </message>
    <message>
        <source>This mouse has no lighting settings.</source>
        <translation>This mouse has no lighting settings.</translation>
    </message>
    <message>
        <source>There is no lighting effect %1.</source>
        <translation>There is no lighting effect %1.</translation>
    </message>
    <message>
        <source>The profile&apos;s effect %1 is unknown; choose an effect first.</source>
        <translation>The profile&apos;s effect %1 is unknown; choose an effect first.</translation>
    </message>
    <message>
        <source>The effect %1 has no %2.</source>
        <translation>The effect %1 has no %2.</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3, not %4.</source>
        <translation>%1 must be from %2 to %3, not %4.</translation>
    </message>
    <message>
        <source>This mouse has no button record %1.</source>
        <translation>This mouse has no button record %1.</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Left Button Can not be Gun Function.</translation>
    </message>
    <message>
        <source>There is no macro &quot;%1&quot; in the macro list.</source>
        <translation>There is no macro &quot;%1&quot; in the macro list.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; is too long for the mouse: a macro holds at most %2 actions, or %3 without recorded delays.</source>
        <translation>The macro &quot;%1&quot; is too long for the mouse: a macro holds at most %2 actions, or %3 without recorded delays.</translation>
    </message>
    <message>
        <source>The mouse holds at most %1 different macros in a profile; &quot;%2&quot; would be one more.</source>
        <translation>The mouse holds at most %1 different macros in a profile; &quot;%2&quot; would be one more.</translation>
    </message>
    <message>
        <source>The stored settings were changed by another program. They are shown again now; please make your changes once more.</source>
        <translation>The stored settings were changed by another program. They are shown again now; please make your changes once more.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <source>The mouse took the settings, but the settings files could not be written.</source>
        <translation>The mouse took the settings, but the settings files could not be written.</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <source>There is no stored profile of that name.</source>
        <translation>There is no stored profile of that name.</translation>
    </message>
    <message>
        <source>Every other profile is in another slot; add a profile before deleting this one.</source>
        <translation>Every other profile is in another slot; add a profile before deleting this one.</translation>
    </message>
    <message>
        <source>%1 already exist. Replace them?</source>
        <translation>%1 already exist. Replace them?</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>NO</translation>
    </message>
</context>
</TS>
