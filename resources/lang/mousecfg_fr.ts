<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MousecfgWidget</name>
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
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="54"/>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="54"/>
        <location filename="../../app/Pages.cpp" line="15"/>
        <source>CUSTOMIZE</source>
        <translation>PERSONNALISER</translation>
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
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="271"/>
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
        <location filename="../../lighting/TarnColorArea.cpp" line="166"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="287"/>
        <location filename="../../lighting/TarnColorArea.cpp" line="167"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="289"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
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
        <source>MOVE UP</source>
        <translation>VERS LE HAUT</translation>
    </message>
    <message>
        <location filename="../../macros/MacroEvent.cpp" line="28"/>
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
        <location filename="../../performance/sensor/MouseSettingsLauncher.cpp" line="65"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/MouseSettingsLauncher.cpp" line="72"/>
        <source>No mouse settings program was found.</source>
        <translation>Aucun programme de réglage de la souris n'a été trouvé.</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="238"/>
        <source>Key Response</source>
        <translation>Réponse des touches</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="239"/>
        <source>Enable sync</source>
        <translation>Synchronisation</translation>
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
        <translation>Correction d'angle</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="244"/>
        <source>Jitter</source>
        <translation>Anti-tremblement</translation>
    </message>
    <message>
        <location filename="../../performance/sensor/TarnPointSpeed.cpp" line="245"/>
        <source>Motion Wake</source>
        <translation>Réveil au mouvement</translation>
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
