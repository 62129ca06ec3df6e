<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="73"/>
        <location filename="../../app/MousecfgWidget.cpp" line="351"/>
        <source>MousecfgWidget</source>
        <translation>Configuration de la souris</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="120"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Charger la configuration</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="121"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="232"/>
        <location filename="../../app/MousecfgWidget.cpp" line="355"/>
        <source>Press Enter To Apply</source>
        <translation>Entrée pour appliquer</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="356"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="360"/>
        <location filename="../../app/MousecfgWidget.cpp" line="547"/>
        <location filename="../../app/MousecfgWidget.cpp" line="548"/>
        <source>MOUSE OFF</source>
        <translation>SOURIS ÉTEINTE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="505"/>
        <location filename="../../app/MousecfgWidget.cpp" line="719"/>
        <location filename="../../app/MousecfgWidget.cpp" line="724"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="505"/>
        <source>Dongle Disconnect!</source>
        <translation>Dongle déconnecté !</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="614"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="655"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>La souris est en veille ou non connectée.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="656"/>
        <source>Send data failed, please try again.</source>
        <translation>L'envoi des données a échoué, veuillez réessayer.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="683"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Voulez-vous vraiment réinitialiser ce profil ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="698"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Voulez-vous vraiment réinitialiser tous les profils ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="766"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="774"/>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="775"/>
        <location filename="../../app/MousecfgWidget.cpp" line="791"/>
        <source>Profile File(*.prof)</source>
        <translation>Fichier de profil(*.prof)</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="781"/>
        <source>The file already exists. Replace it?</source>
        <translation>Le fichier existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="790"/>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="803"/>
        <source>Save Config File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="804"/>
        <location filename="../../app/MousecfgWidget.cpp" line="813"/>
        <source>Config File(*.conf)</source>
        <translation>Fichier de configuration(*.conf)</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="812"/>
        <source>Load Config File</source>
        <translation>Charger un fichier de configuration</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="829"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Pour mettre à jour le micrologiciel, reliez la souris à l'ordinateur par le câble.</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="832"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Voulez-vous mettre à jour le micrologiciel ?</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="838"/>
        <source>The firmware updater could not be started.</source>
        <translation>Le programme de mise à jour n'a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="49"/>
        <location filename="../../app/Pages.cpp" line="10"/>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="49"/>
        <location filename="../../app/Pages.cpp" line="12"/>
        <source>CUSTOMIZE</source>
        <translation>PERSONNALISER</translation>
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
        <translation>Face</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="206"/>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="250"/>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="252"/>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="254"/>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="258"/>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="260"/>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="262"/>
        <source>LOAD1</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="264"/>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="266"/>
        <source>Firmware Update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="268"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="270"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../app/MousecfgWidget.cpp" line="272"/>
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
        <translation>Impossible d'écrire le fichier.</translation>
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
