<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Program Profiles</source>
        <translation>Profils par programme</translation>
    </message>
    <message>
        <source>The program in front cannot be known in this session: profiles do not switch.</source>
        <translation>Le programme au premier plan est inconnu dans cette session : les profils ne changent pas.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation>Autres programmes :</translation>
    </message>
    <message>
        <source>Leave as is</source>
        <translation>Ne pas changer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>Cannot write the settings files.</source>
        <translation>Impossible d'écrire les fichiers de réglages.</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>NO ACCESS</source>
        <translation>SANS ACCÈS</translation>
    </message>
    <message>
        <source>IN USE</source>
        <translation>OCCUPÉE</translation>
    </message>
    <message>
        <source>&amp;Program Profiles...</source>
        <translation>&amp;Profils par programme...</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <source>The mouse battery is at %1%. Charge it soon.</source>
        <translation>La batterie de la souris est à %1 %. Rechargez-la bientôt.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="67"/>
        <location filename="../../app/MousecfgWidget.cpp" line="369"/>
        <source>MousecfgWidget</source>
        <translation>Configuration de la souris</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="116"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Charger la configuration</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="117"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="118"/>
        <source>Start with the desktop</source>
        <translation>Démarrer avec le bureau</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="249"/>
        <location filename="../../app/MousecfgWidget.cpp" line="373"/>
        <source>Press Enter To Apply</source>
        <translation>Entrée pour appliquer</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="374"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="378"/>
        <location filename="../../app/MousecfgWidget.cpp" line="566"/>
        <location filename="../../app/MousecfgWidget.cpp" line="567"/>
        <source>MOUSE OFF</source>
        <translation>SOURIS ÉTEINTE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="524"/>
        <location filename="../../app/MousecfgWidget.cpp" line="747"/>
        <location filename="../../app/MousecfgWidget.cpp" line="752"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="524"/>
        <source>Dongle Disconnect!</source>
        <translation>Dongle déconnecté !</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="633"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="666"/>
        <source>The stored settings were changed by another program. They are shown again now; please make your changes once more.</source>
        <translation>Les réglages enregistrés ont été modifiés par un autre programme. Ils sont de nouveau affichés ; veuillez refaire vos modifications.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="683"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>La souris est en veille ou non connectée.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="684"/>
        <source>Send data failed, please try again.</source>
        <translation>L&apos;envoi des données a échoué, veuillez réessayer.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="711"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Voulez-vous vraiment réinitialiser ce profil ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="726"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Voulez-vous vraiment réinitialiser tous les profils ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="794"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="802"/>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="803"/>
        <location filename="../../app/MousecfgWidget.cpp" line="819"/>
        <source>Profile File(*.prof)</source>
        <translation>Fichier de profil(*.prof)</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="809"/>
        <source>The file already exists. Replace it?</source>
        <translation>Le fichier existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="818"/>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="831"/>
        <source>Save Config File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="832"/>
        <location filename="../../app/MousecfgWidget.cpp" line="841"/>
        <source>Config File(*.conf)</source>
        <translation>Fichier de configuration(*.conf)</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="840"/>
        <source>Load Config File</source>
        <translation>Charger un fichier de configuration</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="857"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Pour mettre à jour le micrologiciel, reliez la souris à l&apos;ordinateur par le câble.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="860"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Voulez-vous mettre à jour le micrologiciel ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="866"/>
        <source>The firmware updater could not be started.</source>
        <translation>Le programme de mise à jour n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The changes have not been applied. Quit without them?</source>
        <translation>Les modifications n'ont pas été appliquées. Quitter sans elles ?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No permission to use the mouse: this user may not open %1.
Install the udev rule 70-mousecfg.rules once, then plug the mouse in again:
  mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules &gt;/dev/null &amp;&amp; sudo udevadm control --reload &amp;&amp; sudo udevadm trigger</source>
        <translation>Pas le droit d&apos;utiliser la souris : cet utilisateur ne peut pas ouvrir %1.
Installez une fois la règle udev 70-mousecfg.rules, puis rebranchez la souris :
  mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules &gt;/dev/null &amp;&amp; sudo udevadm control --reload &amp;&amp; sudo udevadm trigger</translation>
    </message>
    <message>
        <source>Give the program's class or executable name.</source>
        <translation>Indiquez la classe ou le nom d'exécutable du programme.</translation>
    </message>
    <message>
        <source>Give a profile number from 1 to 5.</source>
        <translation>Indiquez un numéro de profil de 1 à 5.</translation>
    </message>
    <message>
        <source>No more than %1 program rules.</source>
        <translation>Pas plus de %1 règles de programme.</translation>
    </message>
    <message>
        <source>Cannot write the settings files.</source>
        <translation>Impossible d'écrire les fichiers de réglages.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="54"/>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="54"/>
        <source>CUSTOMIZE</source>
        <translation>BOUTONS</translation>
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
        <translation>Face</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="223"/>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="267"/>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="269"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="76"/>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="271"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="69"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="582"/>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="275"/>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="277"/>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="279"/>
        <source>LOAD1</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="281"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="601"/>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="283"/>
        <source>Firmware Update</source>
        <translation>Mise à jour du micrologiciel</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="289"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="971"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AU MOINS UNE FONCTION DE CLIC DOIT ÊTRE CONSERVÉE.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="15"/>
        <source>Profile is Already Used!</source>
        <translation>Ce profil est déjà utilisé !</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="16"/>
        <source>Profile Exist!</source>
        <translation>Le profil existe déjà !</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="18"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Le profil par défaut ne peut être ni supprimé ni renommé.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="19"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AU MOINS UN PROFIL DOIT ÊTRE CONSERVÉ.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="20"/>
        <source>The file is not match current mouse!</source>
        <translation>Ce fichier ne correspond pas à la souris actuelle !</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="21"/>
        <source>Cannot write the file.</source>
        <translation>Impossible d&apos;écrire le fichier.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="22"/>
        <source>The profile list is full.</source>
        <translation>La liste des profils est pleine.</translation>
    </message>
    <message>
        <location filename="../../app/profiles/ProfileManager.cpp" line="23"/>
        <source>Invalid profile name.</source>
        <translation>Nom de profil non valide.</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="17"/>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="18"/>
        <source>MIDDLE CLICK</source>
        <translation>CLIC CENTRAL</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="19"/>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="20"/>
        <source>FORWARD</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="21"/>
        <source>BACKWARD</source>
        <translation>PRÉCÉDENT</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="25"/>
        <source>MOVE LEFT</source>
        <translation>VERS LA GAUCHE</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="26"/>
        <source>MOVE RIGHT</source>
        <translation>VERS LA DROITE</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="27"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="73"/>
        <source>MOVE UP</source>
        <translation>VERS LE HAUT</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="28"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="74"/>
        <source>MOVE DOWN</source>
        <translation>VERS LE BAS</translation>
    </message>
    <message>
        <location filename="../../performance/dpi/TarnDPIWindow.cpp" line="113"/>
        <location filename="../../lighting/TarnColorWindow.cpp" line="333"/>
        <source>SLEEP TIME</source>
        <translation>MISE EN VEILLE</translation>
    </message>
    <message>
        <location filename="../../performance/dpi/TarnDPIWindow.cpp" line="114"/>
        <location filename="../../lighting/TarnColorWindow.cpp" line="334"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ÉTEINDRE EN MOUVEMENT</translation>
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
        <translation>Lier X et Y</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="86"/>
        <source>Gun Set</source>
        <translation>Réglage du recul</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="102"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="597"/>
        <source>GUN SET</source>
        <translation>RECUL</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="111"/>
        <source>GUNFILE NAME</source>
        <translation>NOM DU RECUL</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="121"/>
        <source>BULLETS</source>
        <translation>BALLES</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="135"/>
        <source>DELAY(MS)</source>
        <translation>DÉLAI(MS)</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="136"/>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="136"/>
        <source>+ DOWN / - UP</source>
        <translation>+ BAS / - HAUT</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="137"/>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="137"/>
        <source>+ RIGHT / - LEFT</source>
        <translation>+ DROITE / - GAUCHE</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="147"/>
        <source>VERTICAL: + DOWN / - UP     HORIZONTAL: + RIGHT / - LEFT</source>
        <translation>VERTICAL : + BAS / - HAUT     HORIZONTAL : + DROITE / - GAUCHE</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="189"/>
        <source>1 BULLET</source>
        <translation>1 BALLE</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="189"/>
        <source>%1 BULLETS</source>
        <translation>%1 BALLES</translation>
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
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="237"/>
        <source>Please input file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="244"/>
        <source>This name cannot be used as a file name.</source>
        <translation>Ce nom ne peut pas servir de nom de fichier.</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="245"/>
        <source>Do not use / or \, nor . or .. alone.</source>
        <translation>N'utilisez ni / ni \, ni . ou .. seuls.</translation>
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
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="283"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="804"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="894"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="969"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TROP DE MACROS POUR EN CRÉER UNE !</translation>
    </message>
    <message>
        <location filename="../../macros/gunset/TarnGunsetDialog.cpp" line="308"/>
        <source>The macro file could not be written.</source>
        <translation>Le fichier de macro n'a pas pu être écrit.</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/MouseSettingsLauncher.cpp" line="72"/>
        <source>No mouse settings program was found.</source>
        <translation>Aucun programme de réglage de la souris n&apos;a été trouvé.</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="238"/>
        <source>Key Response</source>
        <translation>Réactivité</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="239"/>
        <source>Enable sync</source>
        <translation>Synchro</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="240"/>
        <source>Lift Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="241"/>
        <source>1mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="242"/>
        <source>2mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="243"/>
        <source>Angle Snapping</source>
        <translation>Correction d&apos;angle</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="244"/>
        <source>Jitter</source>
        <translation>Anti-gigue</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="245"/>
        <source>Motion Wake</source>
        <translation>Réveil au geste</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="246"/>
        <source>Sensor Mode</source>
        <translation>Mode du capteur</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="247"/>
        <source>Eco</source>
        <translation>Éco</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="248"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="249"/>
        <source>Competitive</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="250"/>
        <source>Mouse Setting</source>
        <translation>Réglages de la souris</translation>
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
        <translation>TAUX DE RAPPORT</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="121"/>
        <source>Lift off Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="122"/>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnReportRate.cpp" line="123"/>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorArea.cpp" line="164"/>
        <location filename="../../lighting/TarnColorArea.cpp" line="165"/>
        <source>Color Edit</source>
        <translation>Modifier la couleur</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="29"/>
        <source>OFF</source>
        <translation>ÉTEINT</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="30"/>
        <source>FULL LIGHTED</source>
        <translation>ALLUMÉ</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="31"/>
        <source>BREATHING</source>
        <translation>RESPIRATION</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="32"/>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRATION 7 COULEURS</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="33"/>
        <source>RAINBOW</source>
        <translation>ARC-EN-CIEL</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="34"/>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="35"/>
        <source>Horizontal WAVE</source>
        <translation>VAGUE horizontale</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="36"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>FILANT horizontal</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="37"/>
        <source>Raindrop</source>
        <translation>Goutte de pluie</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="38"/>
        <source>WAVE</source>
        <translation>VAGUE</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="39"/>
        <source>GO WITHOUT TRACE</source>
        <translation>FILANT</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="40"/>
        <source>REACTIVE</source>
        <translation>RÉACTIF</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="41"/>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="42"/>
        <source>Marbles</source>
        <translation>Billes</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="45"/>
        <source>UNKNOWN</source>
        <translation>INCONNU</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="329"/>
        <source>EFFECT</source>
        <translation>EFFET</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="330"/>
        <source>BRIGHTNESS</source>
        <translation>LUMINOSITÉ</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="331"/>
        <source>SPEED</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <location filename="../../lighting/TarnColorWindow.cpp" line="332"/>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="70"/>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="71"/>
        <source>TOP</source>
        <translation>EN HAUT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="72"/>
        <source>BOTTOM</source>
        <translation>EN BAS</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="75"/>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="77"/>
        <source>CUT</source>
        <translation>COUPER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="78"/>
        <source>PASTE</source>
        <translation>COLLER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="82"/>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="94"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>RÉPÉTITIONS(1-255)</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="83"/>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="94"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TANT QU'ENFONCÉE</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="84"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU'À NOUVEL APPUI</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="570"/>
        <source>MACRO NAME</source>
        <translation>NOM DE LA MACRO</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="571"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="584"/>
        <source>MOUSE ACTION</source>
        <translation>ACTION SOURIS</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="572"/>
        <source>MOUSE COMMAND</source>
        <translation>COMMANDE SOURIS</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="576"/>
        <source>PRESS DOWN</source>
        <translation>APPUI</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="577"/>
        <source>BOUNCE UP</source>
        <translation>RELÂCHEMENT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="581"/>
        <source>NEW</source>
        <translation>NOUVELLE</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="583"/>
        <source>CHANGE NAME</source>
        <translation>RENOMMER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="585"/>
        <source>Only keys typed into this window are recorded.</source>
        <translation>Seules les touches tapées dans cette fenêtre sont enregistrées.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="589"/>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="590"/>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="591"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ENREGISTRER LES DÉLAIS</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="592"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>DÉLAI PAR DÉFAUT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="593"/>
        <source>RECORD AFTER</source>
        <translation>ENREGISTRER APRÈS</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="596"/>
        <source>INSERT DELAY</source>
        <translation>INSÉRER UN DÉLAI</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="598"/>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="599"/>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="600"/>
        <source>BATCH</source>
        <translation>LOT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="602"/>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="603"/>
        <location filename="../../macros/page/MacroEventTable.cpp" line="49"/>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="604"/>
        <source>MOVEMENT</source>
        <translation>MOUVEMENT</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="605"/>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="606"/>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="733"/>
        <source>THE MACRO HAS CHANGES THAT ARE NOT SAVED.</source>
        <translation>LA MACRO A DES MODIFICATIONS NON ENREGISTRÉES.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="734"/>
        <source>DISCARD THEM?</source>
        <translation>LES ABANDONNER ?</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="743"/>
        <source>THIS NAME CANNOT BE USED FOR A MACRO.</source>
        <translation>CE NOM NE PEUT PAS ÊTRE UTILISÉ POUR UNE MACRO.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="744"/>
        <source>A NAME MUST NOT CONTAIN &quot;/&quot; OR BE &quot;..&quot;.</source>
        <translation>UN NOM NE DOIT PAS CONTENIR « / » NI ÊTRE « .. ».</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="877"/>
        <source>Load Macro File</source>
        <translation>Charger un fichier de macro</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="878"/>
        <location filename="../../macros/page/MacroDialog.cpp" line="941"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Fichier de macro(*.MSMACRO)</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="887"/>
        <source>Macro Exist!</source>
        <translation>La macro existe déjà !</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="935"/>
        <source>Save Macro File</source>
        <translation>Enregistrer le fichier de macro</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="1033"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNE OU PLUSIEURS TOUCHES N'ONT PAS ÉTÉ RELÂCHÉES.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroDialog.cpp" line="1249"/>
        <source>A MACRO HOLDS AT MOST %1 ACTIONS, OR %2 WITHOUT DELAYS.</source>
        <translation>UNE MACRO CONTIENT AU PLUS %1 ACTIONS, OU %2 SANS DÉLAIS.</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroEventTable.cpp" line="49"/>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <location filename="../../macros/page/MacroEventTable.cpp" line="49"/>
        <source>DELAY(ms)</source>
        <translation>DÉLAI(ms)</translation>
    </message>
    <message>
        <location filename="../../macros/page/TarnMacroItemDelegate.cpp" line="62"/>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <location filename="../../macros/page/TarnMacroItemDelegate.cpp" line="62"/>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="56"/>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="63"/>
        <source>FireKey Setting</source>
        <translation>Réglage du tir</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="104"/>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="14"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="104"/>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="15"/>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="104"/>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="16"/>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="105"/>
        <source>Keyboard Key</source>
        <translation>Touche du clavier</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="143"/>
        <source>Times:</source>
        <translation>Fois :</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="146"/>
        <source>Delay:</source>
        <translation>Délai :</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="148"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="269"/>
        <source>Press a key first.</source>
        <translation>Appuyez d'abord sur une touche.</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnFireKeyWindow.cpp" line="275"/>
        <source>Enter times and delay from 1 to 255.</source>
        <translation>Saisissez un nombre de fois et un délai de 1 à 255.</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="68"/>
        <source>Macro:</source>
        <translation>Macro :</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="95"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU'À LA PROCHAINE PRESSION</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="166"/>
        <source>Choose a macro first.</source>
        <translation>Choisissez d'abord une macro.</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnMacroSelect.cpp" line="172"/>
        <source>Enter a loop count.</source>
        <translation>Saisissez un nombre de répétitions.</translation>
    </message>
    <message>
        <location filename="../../buttons/dialogs/TarnSniperWindow.cpp" line="64"/>
        <source>Sniper Setting</source>
        <translation>Réglage du mode sniper</translation>
    </message>
    <message>
        <location filename="../../buttons/keys/TarnComboKeyWindow.cpp" line="46"/>
        <source>Combo Key</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <location filename="../../buttons/keys/TarnSingleKeyWindow.cpp" line="11"/>
        <source>Single Key</source>
        <translation>Touche unique</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="17"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="18"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="19"/>
        <source>Button Off</source>
        <translation>Bouton désactivé</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="20"/>
        <source>Macro Manager</source>
        <translation>Gestionnaire de macros</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="21"/>
        <source>GunFile Manager</source>
        <translation>Gestionnaire de recul</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="22"/>
        <source>Led Switch</source>
        <translation>Éclairage on/off</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="24"/>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="25"/>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="27"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="28"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="29"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="30"/>
        <source>All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="31"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="32"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="33"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="34"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="35"/>
        <source>Switch Window</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="36"/>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="37"/>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="38"/>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="39"/>
        <source>Show Desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="40"/>
        <source>Lock PC</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="41"/>
        <source>Browser Home</source>
        <translation>Navigateur : accueil</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="42"/>
        <source>Browser Backward</source>
        <translation>Navigateur : précédent</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="43"/>
        <source>Browser Forward</source>
        <translation>Navigateur : suivant</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="44"/>
        <source>Browser Stop</source>
        <translation>Navigateur : arrêter</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="45"/>
        <source>Browser Refresh</source>
        <translation>Navigateur : actualiser</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="46"/>
        <source>Browser Search</source>
        <translation>Navigateur : rechercher</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="47"/>
        <source>Browser Favorite</source>
        <translation>Navigateur : favoris</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="48"/>
        <source>Mail</source>
        <translation>Courrier</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="49"/>
        <source>Boss Key</source>
        <translation>Touche patron</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="51"/>
        <source>SINGLE KEY</source>
        <translation>TOUCHE UNIQUE</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="52"/>
        <source>COMBO KEY</source>
        <translation>COMBINAISON</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="53"/>
        <source>FIRE KEY</source>
        <translation>TIR RAPIDE</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="54"/>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="56"/>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="57"/>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="58"/>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="59"/>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="60"/>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="61"/>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="62"/>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="63"/>
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="65"/>
        <source>DPI Switch</source>
        <translation>Changer de DPI</translation>
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
        <translation>Changer de profil</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="70"/>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="71"/>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="73"/>
        <source>Rate Switch</source>
        <translation>Changer de taux</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="74"/>
        <source>Rate +</source>
        <translation>Taux +</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="75"/>
        <source>Rate -</source>
        <translation>Taux -</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="113"/>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="115"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="117"/>
        <source>Advance</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="119"/>
        <source>Media</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="123"/>
        <source>Profile Menu</source>
        <translation>Profils</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonCatalogue.cpp" line="125"/>
        <source>Polling Rate</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonDialogsDefault.cpp" line="79"/>
        <source>GUNFILE SELECT</source>
        <translation>CHOIX DU RECUL</translation>
    </message>
    <message>
        <location filename="../../buttons/page/ButtonDialogsDefault.cpp" line="79"/>
        <source>MACRO SELECT</source>
        <translation>CHOIX DE LA MACRO</translation>
    </message>
    <message>
        <source>This mouse has no %1 setting.</source>
        <translation>Cette souris n'a pas de réglage %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; PLAYS ON %2.</source>
        <translation>« %1 » EST JOUÉE PAR %2.</translation>
    </message>
    <message>
        <source>DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</source>
        <translation>LA SUPPRIMER ET RENDRE À CES BOUTONS LEUR FONCTION PAR DÉFAUT ?</translation>
    </message>
    <message>
        <source>WHEEL UP</source>
        <translation>MOLETTE HAUT</translation>
    </message>
    <message>
        <source>WHEEL DOWN</source>
        <translation>MOLETTE BAS</translation>
    </message>
    <message>
        <source>BUTTON %1</source>
        <translation>BOUTON %1</translation>
    </message>
    <message>
        <source>PROFILE %1 %2</source>
        <translation>PROFIL %1 %2</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE SAVED AS %1.</source>
        <translation>LA MACRO N'A PAS PU ÊTRE ENREGISTRÉE SOUS %1.</translation>
    </message>
    <message>
        <source>Under Wayland the desktop may keep its own shortcuts (such as Alt+Tab or Super).</source>
        <translation>Sous Wayland, le bureau peut garder ses propres raccourcis (comme Alt+Tab ou Super).</translation>
    </message>
    <message>
        <source>Under Wayland only keys typed into X11 windows, this one included, are recorded.</source>
        <translation>Sous Wayland, seules les touches tapées dans des fenêtres X11, dont celle-ci, sont enregistrées.</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <location filename="../../buttons/page/TarnBtnWindow.cpp" line="335"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../../buttons/page/TarnBtnWindow.cpp" line="335"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Le bouton gauche ne peut pas recevoir de recul.</translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
    <message>
        <location filename="../../widgets/TarnMessageBox.cpp" line="89"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location filename="../../widgets/TarnMessageBox.cpp" line="89"/>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../../widgets/TarnMessageBox.cpp" line="93"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
</TS>
