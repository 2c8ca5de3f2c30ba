<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>EventListModel</name>
    <message>
        <source>N/A</source>
        <extracomment>In the &quot;Days Remaining&quot; column: the event will not occur again.</extracomment>
        <translation>N/D</translation>
    </message>
</context>
<context>
    <name>EventsFile</name>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read (%1), and saving would replace it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FacebookDialog</name>
    <message>
        <source>Facebook</source>
        <translation type="unfinished">Facebook</translation>
    </message>
    <message>
        <source>about:blank</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ferrule::Updater</name>
    <message>
        <source>Oriventa %1 is available. You can download it from:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oriventa is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check for a newer version of Oriventa failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation>Ajouter un événement</translation>
    </message>
    <message>
        <source>Add a new event to be notified of.</source>
        <translation>Ajouter un nouvel événement dont vous serez averti.</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Modifier l&apos;événement</translation>
    </message>
    <message>
        <source>Edit the selected event&apos;s details.</source>
        <translation>Modifier les détails de l&apos;événement sélectionné.</translation>
    </message>
    <message>
        <source>Remove Event</source>
        <translation>Supprimer l&apos;événement</translation>
    </message>
    <message>
        <source>Remove the selected event.</source>
        <translation>Supprimer l&apos;événement sélectionné.</translation>
    </message>
    <message>
        <source>View Event</source>
        <translation>Afficher l&apos;événement</translation>
    </message>
    <message>
        <source>View details of the selected event.</source>
        <translation>Afficher les détails de l&apos;événement sélectionné.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Change the program settings.</source>
        <translation>Modifier les paramètres du programme.</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Load friends&apos; birthdays from Facebook.</source>
        <translation>Charger les anniversaires de vos amis depuis Facebook.</translation>
    </message>
    <message>
        <source>Facebook Events</source>
        <translation>Événements Facebook</translation>
    </message>
    <message>
        <source>Load events from Facebook.</source>
        <translation>Charger des événements depuis Facebook.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Load events from file.</source>
        <translation>Charger des événements depuis un fichier.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Save events to file.</source>
        <translation>Enregistrer les événements dans un fichier.</translation>
    </message>
    <message>
        <source>Add - Edit</source>
        <translation>Ajouter - Modifier</translation>
    </message>
    <message>
        <source>Event Details</source>
        <translation>Détails de l&apos;événement</translation>
    </message>
    <message>
        <source>Notify me of:</source>
        <translation>Me rappeler :</translation>
    </message>
    <message>
        <source>This event has occurred</source>
        <translation>Cet événement a eu lieu</translation>
    </message>
    <message>
        <source> times.</source>
        <translation> fois.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>This event is:</source>
        <translation>Cet événement est :</translation>
    </message>
    <message>
        <source>Singular</source>
        <translation>Unique</translation>
    </message>
    <message>
        <source>Occurring once on:</source>
        <translation>Une seule fois le :</translation>
    </message>
    <message>
        <source>Repeating</source>
        <translation>Récurrent</translation>
    </message>
    <message>
        <source> Weekly </source>
        <translation> Hebdomadaire </translation>
    </message>
    <message>
        <source>This event occurs every:</source>
        <translation>Cet événement a lieu chaque :</translation>
    </message>
    <message>
        <source> Monthly </source>
        <translation> Mensuel </translation>
    </message>
    <message>
        <source>This event occurs on the</source>
        <translation>Cet événement a lieu le</translation>
    </message>
    <message>
        <source>of the month.</source>
        <translation>du mois.</translation>
    </message>
    <message>
        <source> Yearly </source>
        <translation> Annuel </translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Notify me</source>
        <translation>Me rappeler</translation>
    </message>
    <message>
        <source> days before the event.</source>
        <translation> jours avant l&apos;événement.</translation>
    </message>
    <message>
        <source>Only show notification once a day.</source>
        <translation>Afficher le rappel une seule fois par jour.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Event Description: </source>
        <translation>Description : </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>The event will occur next on </source>
        <translation>L&apos;événement aura lieu la prochaine fois le </translation>
    </message>
    <message>
        <source>, in </source>
        <translation>, dans </translation>
    </message>
    <message>
        <source> days time.</source>
        <translation> jours.</translation>
    </message>
    <message>
        <source>This event has occurred </source>
        <translation>Cet événement a eu lieu </translation>
    </message>
    <message>
        <source>This event is </source>
        <translation>Cet événement est </translation>
    </message>
    <message>
        <source>Occurring once on the </source>
        <translation>Une seule fois le </translation>
    </message>
    <message>
        <source>Occurring </source>
        <translation>Répétition : </translation>
    </message>
    <message>
        <source>Every </source>
        <translation>Chaque </translation>
    </message>
    <message>
        <source> of the month.</source>
        <translation> du mois.</translation>
    </message>
    <message>
        <source> of </source>
        <translation> de </translation>
    </message>
    <message>
        <source>You will be notified </source>
        <translation>Vous serez averti </translation>
    </message>
    <message>
        <source>You will not be notified of this event.</source>
        <translation>Vous ne serez pas averti de cet événement.</translation>
    </message>
    <message>
        <source>You will only be shown one notification per day for this event.</source>
        <translation>Vous ne recevrez qu&apos;un rappel par jour pour cet événement.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notification Method</source>
        <translation>Mode de rappel</translation>
    </message>
    <message>
        <source>Notify me using a tray notification.</source>
        <translation>Me rappeler par une notification dans la zone de notification.</translation>
    </message>
    <message>
        <source>Notify me using a popup dialog.</source>
        <translation>Me rappeler par une fenêtre de dialogue.</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Notifications du bureau</translation>
    </message>
    <message>
        <source>Notification Options</source>
        <translation>Options des rappels</translation>
    </message>
    <message>
        <source>Show each notification separately.</source>
        <translation>Afficher chaque rappel séparément.</translation>
    </message>
    <message>
        <source>Facebook Import Settings</source>
        <translation>Paramètres d&apos;importation Facebook</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Logout of Facebook.</source>
        <translation>Se déconnecter de Facebook.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Check for updates automatically.</source>
        <translation>Rechercher automatiquement des mises à jour.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Sync now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>All supported files (*.evt *.ics *.vcf)</source>
        <translation>Tous les fichiers pris en charge (*.evt *.ics *.vcf)</translation>
    </message>
    <message>
        <source>vCard (*.vcf)</source>
        <translation>vCard (*.vcf)</translation>
    </message>
    <message>
        <source>Import Events</source>
        <translation>Importer des événements</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2</source>
        <translation>%1 n&apos;a pas pu être importé : %2</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Import Incomplete</source>
        <translation>Importation incomplète</translation>
    </message>
    <message>
        <source>%1 was imported only in part. %2</source>
        <translation>%1 n&apos;a été importé qu&apos;en partie. %2</translation>
    </message>
    <message>
        <source>Export Events</source>
        <translation>Exporter les événements</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n&apos;a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>Export Complete</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>Save Events Elsewhere</source>
        <translation>Enregistrer les événements ailleurs</translation>
    </message>
    <message>
        <source>Events Not Saved</source>
        <translation>Événements non enregistrés</translation>
    </message>
    <message>
        <source>%1 could not be written either.</source>
        <translation>%1 n&apos;a pas pu être écrit non plus.</translation>
    </message>
    <message>
        <source>Events Saved Elsewhere</source>
        <translation>Événements enregistrés ailleurs</translation>
    </message>
    <message>
        <source>Your events were saved in %1. Import that file once Oriventa can save its list again.</source>
        <translation>Vos événements ont été enregistrés dans %1. Importez ce fichier dès qu&apos;Oriventa pourra de nouveau enregistrer sa liste.</translation>
    </message>
    <message>
        <source>Your friend&apos;s birthdays have been imported.</source>
        <translation>Les anniversaires de vos amis ont été importés.</translation>
    </message>
    <message>
        <source>Your Facebook events have been imported.</source>
        <translation>Vos événements Facebook ont été importés.</translation>
    </message>
    <message>
        <source>Facebook Error</source>
        <translation>Erreur Facebook</translation>
    </message>
    <message>
        <source>There was an error connecting to Facebook, please try again.</source>
        <translation>Une erreur s&apos;est produite lors de la connexion à Facebook, veuillez réessayer.</translation>
    </message>
    <message>
        <source>You have logged out of Facebook.</source>
        <translation>Vous vous êtes déconnecté de Facebook.</translation>
    </message>
    <message>
        <source>Damaged Events File</source>
        <translation>Fichier d&apos;événements endommagé</translation>
    </message>
    <message>
        <source>Your events file could not be read to its end. Your events have been saved, but the damaged file could not be kept beside them.</source>
        <translation>Votre fichier d&apos;événements n&apos;a pas pu être lu jusqu&apos;au bout. Vos événements ont été enregistrés, mais le fichier endommagé n&apos;a pas pu être conservé à côté.</translation>
    </message>
    <message>
        <source>Your events could not be saved: %1 could not be read when Oriventa started (%2), so it is left as it is.</source>
        <translation>Vos événements n&apos;ont pas pu être enregistrés : %1 n&apos;a pas pu être lu au démarrage d&apos;Oriventa (%2) et reste donc tel quel.</translation>
    </message>
    <message>
        <source>Your events could not be saved in %1: %2.</source>
        <translation>Vos événements n&apos;ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>Events File Unreadable</source>
        <translation>Fichier d&apos;événements illisible</translation>
    </message>
    <message>
        <source>Your events file %1 could not be read: %2.

Oriventa leaves it as it is and will not save over it; events you add now can be saved elsewhere when you close the window.</source>
        <translation>Votre fichier d&apos;événements %1 n&apos;a pas pu être lu : %2.

Oriventa le laisse tel quel et ne l&apos;écrasera pas ; les événements que vous ajoutez maintenant pourront être enregistrés ailleurs à la fermeture de la fenêtre.</translation>
    </message>
    <message>
        <source>The next sync will take back what the server holds.</source>
        <translation>La prochaine synchronisation récupérera ce que contient le serveur.</translation>
    </message>
    <message>
        <source>The unread part could not be kept.</source>
        <translation>La partie non lue n&apos;a pas pu être conservée.</translation>
    </message>
    <message>
        <source>The unread part is kept as %1.</source>
        <translation>La partie non lue est conservée sous %1.</translation>
    </message>
    <message>
        <source>Your events file %1 could not be read to its end: only %2 of its events could be read.</source>
        <translation>Votre fichier d&apos;événements %1 n&apos;a pas pu être lu jusqu&apos;au bout : seuls %2 de ses événements ont pu être lus.</translation>
    </message>
    <message>
        <source>New calendar &quot;Oriventa&quot;</source>
        <translation>Nouvel agenda « Oriventa »</translation>
    </message>
    <message>
        <source>Sync Failed</source>
        <translation>Échec de la synchronisation</translation>
    </message>
    <message>
        <source>Enter the address of the server first.</source>
        <translation>Saisissez d&apos;abord l&apos;adresse du serveur.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Mot de passe de %1 :</translation>
    </message>
    <message>
        <source>Sync Cancelled</source>
        <translation>Synchronisation annulée</translation>
    </message>
    <message>
        <source>Your events could not be saved, so they were not synced: %1.</source>
        <translation>Vos événements n&apos;ont pas pu être enregistrés et n&apos;ont donc pas été synchronisés : %1.</translation>
    </message>
    <message>
        <source>Password for %1 on %2:</source>
        <translation>Mot de passe de %1 sur %2 :</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d&apos;utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Each event with its next date and the days remaining. Enter views the selected event, Delete removes it.</source>
        <translation>Chaque événement avec sa prochaine date et les jours restants. Entrée affiche l&apos;événement sélectionné, Suppr le supprime.</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Nom de l&apos;événement</translation>
    </message>
    <message>
        <source>Times occurred</source>
        <translation>Nombre d&apos;occurrences</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Jours de la semaine</translation>
    </message>
    <message>
        <source>Tick the weekdays on which the event occurs.</source>
        <translation>Cochez les jours de la semaine où l&apos;événement a lieu.</translation>
    </message>
    <message>
        <source>Day in the month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>Which day number, or which of the ticked weekdays: 2 with Monday ticked means the second Monday.</source>
        <translation>Quel numéro de jour, ou lequel des jours de la semaine cochés : 2 avec lundi coché signifie le deuxième lundi.</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <source>Tick Day to count days of the month, or the weekdays to count.</source>
        <translation>Cochez Jour pour compter les jours du mois, ou les jours de la semaine à compter.</translation>
    </message>
    <message>
        <source>Day in the year</source>
        <translation>Jour de l&apos;année</translation>
    </message>
    <message>
        <source>Days of the year</source>
        <translation>Jours de l&apos;année</translation>
    </message>
    <message>
        <source>Tick Day to count days, or the weekdays to count.</source>
        <translation>Cochez Jour pour compter les jours, ou les jours de la semaine à compter.</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Tick Year to count through the whole year, or the months to count in.</source>
        <translation>Cochez Année pour compter sur toute l&apos;année, ou les mois dans lesquels compter.</translation>
    </message>
    <message>
        <source>Days before the event</source>
        <translation>Jours avant l&apos;événement</translation>
    </message>
    <message>
        <source>Save the event and return to the list.</source>
        <translation>Enregistrer l&apos;événement et revenir à la liste.</translation>
    </message>
    <message>
        <source>Return to the list without saving the event.</source>
        <translation>Revenir à la liste sans enregistrer l&apos;événement.</translation>
    </message>
    <message>
        <source>Event details</source>
        <translation>Détails de l&apos;événement</translation>
    </message>
    <message>
        <source>Return to the list.</source>
        <translation>Revenir à la liste.</translation>
    </message>
    <message>
        <source>Keep the changed settings and return to the list.</source>
        <translation>Conserver les paramètres modifiés et revenir à la liste.</translation>
    </message>
    <message>
        <source>Return to the list without changing the settings.</source>
        <translation>Revenir à la liste sans modifier les paramètres.</translation>
    </message>
    <message>
        <source>the Year</source>
        <extracomment>In a list of months on the details page: &quot;Every 3rd Friday of the Year, March&quot;.</extracomment>
        <translation>l&apos;année</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The day number of a month or year, in a list with weekdays: &quot;Every 15th Day of the month&quot;.</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Select Event</source>
        <translation>Sélectionner un événement</translation>
    </message>
    <message>
        <source>Please select an event to view.</source>
        <translation>Veuillez sélectionner un événement à afficher.</translation>
    </message>
    <message numerus="yes">
        <source>This event has occurred %n times.</source>
        <translation>
            <numerusform>Cet événement a eu lieu %n fois.</numerusform>
            <numerusform>Cet événement a eu lieu %n fois.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The event will occur next on %1, in %n days time.</source>
        <extracomment>%1 is the date in the long format, %n the days from today.</extracomment>
        <translation>
            <numerusform>L&apos;événement aura lieu la prochaine fois le %1, dans %n jour.</numerusform>
            <numerusform>L&apos;événement aura lieu la prochaine fois le %1, dans %n jours.</numerusform>
        </translation>
    </message>
    <message>
        <source>This event is singular.</source>
        <translation>Cet événement est unique.</translation>
    </message>
    <message>
        <source>Occurring once on the %1</source>
        <extracomment>%1 is the date in the long format.</extracomment>
        <translation>Une seule fois le %1</translation>
    </message>
    <message>
        <source>This event is repeating.</source>
        <translation>Cet événement est récurrent.</translation>
    </message>
    <message>
        <source>Every %1</source>
        <extracomment>%1 lists weekdays: &quot;Every Monday, Wednesday&quot;.</extracomment>
        <translation>Chaque %1</translation>
    </message>
    <message>
        <source>Occurring weekly.</source>
        <translation>Chaque semaine.</translation>
    </message>
    <message>
        <source>Every %1 %2 of the month.</source>
        <extracomment>%1 is an ordinal number (&quot;15th&quot;), %2 &quot;Day&quot; and weekdays: &quot;Every 15th Day of the month.&quot;</extracomment>
        <translation>Chaque %1 %2 du mois.</translation>
    </message>
    <message>
        <source>Occurring monthly.</source>
        <translation>Chaque mois.</translation>
    </message>
    <message>
        <source>Every %1 %2 of %3</source>
        <extracomment>%1 is an ordinal number (&quot;3rd&quot;), %2 &quot;Day&quot; and weekdays, %3 &quot;the Year&quot; and months: &quot;Every 3rd Friday of the Year, March&quot;</extracomment>
        <translation>Chaque %1 %2 de : %3</translation>
    </message>
    <message>
        <source>Occurring yearly.</source>
        <translation>Chaque année.</translation>
    </message>
    <message numerus="yes">
        <source>You will be notified %n days before the event.</source>
        <translation>
            <numerusform>Vous serez averti %n jour avant l&apos;événement.</numerusform>
            <numerusform>Vous serez averti %n jours avant l&apos;événement.</numerusform>
        </translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Ticked instead of months: the day number counts through the whole year.</extracomment>
        <translation>Année</translation>
    </message>
    <message>
        <source>Please select an event to edit.</source>
        <translation>Veuillez sélectionner un événement à modifier.</translation>
    </message>
    <message>
        <source>Please select an event to remove.</source>
        <translation>Veuillez sélectionner un événement à supprimer.</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently remove this event?</source>
        <translation>Voulez-vous vraiment supprimer définitivement cet événement ?</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently remove these events?</source>
        <translation>Voulez-vous vraiment supprimer définitivement ces événements ?</translation>
    </message>
    <message>
        <source>Confirm Removal</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Enter Details</source>
        <translation>Saisir les détails</translation>
    </message>
    <message>
        <source>Events File (*.evt)</source>
        <translation>Fichier d&apos;événements (*.evt)</translation>
    </message>
    <message>
        <source>Days Remaining</source>
        <translation>Jours restants</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Password Not Stored</source>
        <translation>Mot de passe non enregistré</translation>
    </message>
    <message>
        <source>No secret store runs on this desktop, so the password is kept only until Oriventa closes. You will be asked for it again at the next start.</source>
        <translation>Aucun trousseau de mots de passe ne fonctionne sur ce bureau : le mot de passe n&apos;est conservé que jusqu&apos;à la fermeture d&apos;Oriventa. Il vous sera redemandé au prochain démarrage.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had done is kept, and the next sync goes on from there.</source>
        <translation>La synchronisation a été annulée. Ce qu&apos;elle avait déjà fait est conservé, et la prochaine synchronisation reprendra à partir de là.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Events Not Saved</source>
        <translation>Événements non enregistrés</translation>
    </message>
    <message>
        <source>Save Elsewhere...</source>
        <translation>Enregistrer ailleurs…</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Delete on the Server?</source>
        <translation>Supprimer sur le serveur ?</translation>
    </message>
    <message>
        <source>Delete these events on the server?</source>
        <translation>Supprimer ces événements sur le serveur ?</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Oriventa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message numerus="yes">
        <source>%n events uploaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events downloaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted here.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted on the server.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events that could not be read here were taken back from the server.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed here and elsewhere: both are kept, the other as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything was already in sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>This sync would delete %1 of the %n events on the server, because they are no longer in your list. Nothing was changed: if you did delete them, allow the deletion.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
